unit QrvTitlePanel;

{ A panel with a coloured title strip across its top. }

interface

uses
  Classes, Controls, ExtCtrls, Graphics, Types;

type
  TQrvTitlePanel = class(TCustomPanel)
  private
    FTitle: string;
    FTitleColor: TColor;
    FTitleHeight: Integer;
    procedure SetTitle(const Value: string);
    procedure SetTitleColor(const Value: TColor);
    procedure SetTitleHeight(const Value: Integer);
  protected
    procedure AdjustClientRect(var Rect: TRect); override;
    procedure Paint; override;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Title: string read FTitle write SetTitle;
    property TitleColor: TColor read FTitleColor write SetTitleColor default clNavy;
    property TitleHeight: Integer read FTitleHeight write SetTitleHeight default 22;
    property Align;
    property Anchors;
    property Color;
    property Font;
    property ParentColor;
    property Visible;
  end;

procedure Register;

implementation

uses
  QrvConsts;

constructor TQrvTitlePanel.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FTitleColor := clNavy;
  FTitleHeight := QrvDefaultTitleHeight;
  BevelOuter := bvNone;
end;

procedure TQrvTitlePanel.SetTitle(const Value: string);
begin
  if FTitle <> Value then
  begin
    FTitle := Value;
    Invalidate;
  end;
end;

procedure TQrvTitlePanel.SetTitleColor(const Value: TColor);
begin
  if FTitleColor <> Value then
  begin
    FTitleColor := Value;
    Invalidate;
  end;
end;

procedure TQrvTitlePanel.SetTitleHeight(const Value: Integer);
begin
  if (FTitleHeight <> Value) and (Value >= 0) then
  begin
    FTitleHeight := Value;
    Realign;
    Invalidate;
  end;
end;

procedure TQrvTitlePanel.AdjustClientRect(var Rect: TRect);
begin
  inherited AdjustClientRect(Rect);
  Inc(Rect.Top, FTitleHeight);
end;

procedure TQrvTitlePanel.Paint;
var
  Strip: TRect;
begin
  inherited Paint;
  Strip := Rect(0, 0, Width, FTitleHeight);
  Canvas.Brush.Color := FTitleColor;
  Canvas.FillRect(Strip);
  Canvas.Font.Assign(Font);
  Canvas.Font.Color := clWhite;
  Canvas.TextOut(6, (FTitleHeight - Canvas.TextHeight(FTitle)) div 2, FTitle);
end;

procedure Register;
begin
  RegisterComponents(QrvPaletteName, [TQrvTitlePanel]);
end;

end.
