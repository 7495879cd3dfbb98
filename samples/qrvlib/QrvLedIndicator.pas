unit QrvLedIndicator;

{ A round indicator light that shows one colour when active and another when not. }

interface

uses
  Classes, Controls, Graphics;

type
  TQrvLed = class(TGraphicControl)
  private
    FActive: Boolean;
    FOnColor: TColor;
    FOffColor: TColor;
    procedure SetActive(const Value: Boolean);
    procedure SetOnColor(const Value: TColor);
    procedure SetOffColor(const Value: TColor);
  protected
    procedure Paint; override;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Active: Boolean read FActive write SetActive default False;
    property OnColor: TColor read FOnColor write SetOnColor default clLime;
    property OffColor: TColor read FOffColor write SetOffColor default clGreen;
    property Align;
    property Hint;
    property ShowHint;
    property Visible;
    property OnClick;
  end;

procedure Register;

implementation

uses
  QrvConsts;

constructor TQrvLed.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FOnColor := QrvDefaultLedOnColor;
  FOffColor := QrvDefaultLedOffColor;
  SetBounds(0, 0, 17, 17);
end;

procedure TQrvLed.SetActive(const Value: Boolean);
begin
  if FActive <> Value then
  begin
    FActive := Value;
    Invalidate;
  end;
end;

procedure TQrvLed.SetOnColor(const Value: TColor);
begin
  if FOnColor <> Value then
  begin
    FOnColor := Value;
    Invalidate;
  end;
end;

procedure TQrvLed.SetOffColor(const Value: TColor);
begin
  if FOffColor <> Value then
  begin
    FOffColor := Value;
    Invalidate;
  end;
end;

procedure TQrvLed.Paint;
begin
  with Canvas do
  begin
    Pen.Color := clGray;
    if FActive then
      Brush.Color := FOnColor
    else
      Brush.Color := FOffColor;
    Ellipse(0, 0, Width, Height);
  end;
end;

procedure Register;
begin
  RegisterComponents(QrvPaletteName, [TQrvLed]);
end;

end.
