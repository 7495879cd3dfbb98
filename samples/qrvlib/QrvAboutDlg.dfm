object FrmQrvAbout: TFrmQrvAbout
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Sobre'
  ClientHeight = 161
  ClientWidth = 337
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'Segoe UI'
  Font.Style = []
  Position = poScreenCenter
  TextHeight = 15
  object ImgIcon: TImage
    Left = 16
    Top = 16
    Width = 32
    Height = 32
  end
  object LabTitle: TLabel
    Left = 64
    Top = 16
    Width = 257
    Height = 17
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -13
    Font.Name = 'Segoe UI'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object LabVersion: TLabel
    Left = 64
    Top = 40
    Width = 257
    Height = 15
    AutoSize = False
  end
  object LabCopyright: TLabel
    Left = 64
    Top = 64
    Width = 257
    Height = 15
    AutoSize = False
  end
  object BevLine: TBevel
    Left = 16
    Top = 104
    Width = 305
    Height = 2
    Shape = bsTopLine
  end
  object BtnOk: TButton
    Left = 246
    Top = 120
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
end
