unit QrvPickListDlg;

{ A dialog that lets the user pick one text out of a list: the component TQrvPickList holds the
  items and shows the form TFrmQrvPickList; Execute returns True when an item was chosen. }

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TFrmQrvPickList = class(TForm)
    LstItems: TListBox;
    BtnOk: TButton;
    BtnCancel: TButton;
    procedure LstItemsDblClick(Sender: TObject);
  end;

  TQrvPickList = class(TComponent)
  private
    FItems: TStrings;
    FItemIndex: Integer;
    FTitle: string;
    procedure SetItems(const Value: TStrings);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function Execute: Boolean;
    property ItemIndex: Integer read FItemIndex;
  published
    property Items: TStrings read FItems write SetItems;
    property Title: string read FTitle write FTitle;
  end;

procedure Register;

implementation

{$R *.dfm}

uses
  QrvConsts;

procedure TFrmQrvPickList.LstItemsDblClick(Sender: TObject);
begin
  if LstItems.ItemIndex >= 0 then
    ModalResult := mrOk;
end;

constructor TQrvPickList.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FItems := TStringList.Create;
  FItemIndex := -1;
end;

destructor TQrvPickList.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TQrvPickList.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
end;

function TQrvPickList.Execute: Boolean;
var
  Form: TFrmQrvPickList;
begin
  Form := TFrmQrvPickList.Create(Application);
  try
    if FTitle <> '' then
      Form.Caption := FTitle
    else
      Form.Caption := SQrvPickListCaption;
    Form.LstItems.Items.Assign(FItems);
    Result := (Form.ShowModal = mrOk) and (Form.LstItems.ItemIndex >= 0);
    if Result then
      FItemIndex := Form.LstItems.ItemIndex;
  finally
    Form.Free;
  end;
end;

procedure Register;
begin
  RegisterComponents(QrvPaletteName, [TQrvPickList]);
end;

end.
