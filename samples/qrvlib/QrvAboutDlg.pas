unit QrvAboutDlg;

{ An "about" box: the component TQrvAboutDialog shows the form TFrmQrvAbout with the
  application's title, version and copyright line. }

interface

uses
  Classes, Controls, Forms, StdCtrls, ExtCtrls, Graphics;

type
  TFrmQrvAbout = class(TForm)
    ImgIcon: TImage;
    LabTitle: TLabel;
    LabVersion: TLabel;
    LabCopyright: TLabel;
    BtnOk: TButton;
    BevLine: TBevel;
  end;

  TQrvAboutDialog = class(TComponent)
  private
    FTitle: string;
    FVersion: string;
    FCopyright: string;
  public
    function Execute: Boolean;
  published
    property Title: string read FTitle write FTitle;
    property Version: string read FVersion write FVersion;
    property Copyright: string read FCopyright write FCopyright;
  end;

procedure Register;

implementation

{$R *.dfm}

uses
  QrvConsts;

function TQrvAboutDialog.Execute: Boolean;
var
  Form: TFrmQrvAbout;
begin
  Form := TFrmQrvAbout.Create(Application);
  try
    Form.Caption := SQrvAboutCaption;
    Form.LabTitle.Caption := FTitle;
    Form.LabVersion.Caption := FVersion;
    Form.LabCopyright.Caption := FCopyright;
    Form.ImgIcon.Picture.Icon.Assign(Application.Icon);
    Result := Form.ShowModal = mrOk;
  finally
    Form.Free;
  end;
end;

procedure Register;
begin
  RegisterComponents(QrvPaletteName, [TQrvAboutDialog]);
end;

end.
