unit QrvNumEdit;

{ An edit box that accepts whole numbers only and exposes them as Value. }

interface

uses
  Classes, Controls, StdCtrls, SysUtils;

type
  TQrvNumEdit = class(TCustomEdit)
  private
    FMinValue: Integer;
    FMaxValue: Integer;
    function GetValue: Integer;
    procedure SetValue(const Value: Integer);
  protected
    procedure KeyPress(var Key: Char); override;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Value: Integer read GetValue write SetValue default 0;
    property MinValue: Integer read FMinValue write FMinValue default 0;
    property MaxValue: Integer read FMaxValue write FMaxValue default MaxInt;
    property Anchors;
    property Enabled;
    property Font;
    property TabOrder;
    property TabStop;
    property OnChange;
  end;

procedure Register;

implementation

uses
  QrvConsts;

constructor TQrvNumEdit.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FMaxValue := MaxInt;
  Text := '0';
end;

function TQrvNumEdit.GetValue: Integer;
begin
  Result := StrToIntDef(Text, FMinValue);
end;

procedure TQrvNumEdit.SetValue(const Value: Integer);
begin
  if (Value < FMinValue) or (Value > FMaxValue) then
    raise EConvertError.CreateFmt(SQrvInvalidNumber, [IntToStr(Value)]);
  Text := IntToStr(Value);
end;

procedure TQrvNumEdit.KeyPress(var Key: Char);
begin
  if not CharInSet(Key, ['0'..'9', #8]) then
    Key := #0;
  inherited KeyPress(Key);
end;

procedure Register;
begin
  RegisterComponents(QrvPaletteName, [TQrvNumEdit]);
end;

end.
