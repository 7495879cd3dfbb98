unit QrvColorLabel;

{ A label that changes its font colour while the mouse is over it. }

interface

uses
  Classes, Controls, Graphics, StdCtrls, Messages;

type
  TQrvColorLabel = class(TCustomLabel)
  private
    FHotColor: TColor;
    FNormalColor: TColor;
    FHot: Boolean;
    procedure SetHotColor(const Value: TColor);
    procedure CMMouseEnter(var Message: TMessage); message CM_MOUSEENTER;
    procedure CMMouseLeave(var Message: TMessage); message CM_MOUSELEAVE;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property HotColor: TColor read FHotColor write SetHotColor default clHighlight;
    property Align;
    property Alignment;
    property AutoSize;
    property Caption;
    property Font;
    property ParentFont;
    property Transparent;
    property Visible;
    property WordWrap;
    property OnClick;
  end;

procedure Register;

implementation

uses
  QrvConsts;

constructor TQrvColorLabel.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FHotColor := clHighlight;
  Cursor := crHandPoint;
end;

procedure TQrvColorLabel.SetHotColor(const Value: TColor);
begin
  if FHotColor <> Value then
  begin
    FHotColor := Value;
    if FHot then
      Font.Color := FHotColor;
  end;
end;

procedure TQrvColorLabel.CMMouseEnter(var Message: TMessage);
begin
  inherited;
  if not FHot then
  begin
    FHot := True;
    FNormalColor := Font.Color;
    Font.Color := FHotColor;
  end;
end;

procedure TQrvColorLabel.CMMouseLeave(var Message: TMessage);
begin
  inherited;
  if FHot then
  begin
    FHot := False;
    Font.Color := FNormalColor;
  end;
end;

procedure Register;
begin
  RegisterComponents(QrvPaletteName, [TQrvColorLabel]);
end;

end.
