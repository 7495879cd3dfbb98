object FrmQrvPickList: TFrmQrvPickList
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Selecione um item'
  ClientHeight = 281
  ClientWidth = 305
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'Segoe UI'
  Font.Style = []
  Position = poScreenCenter
  TextHeight = 15
  object LstItems: TListBox
    Left = 8
    Top = 8
    Width = 289
    Height = 225
    ItemHeight = 15
    TabOrder = 0
    OnDblClick = LstItemsDblClick
  end
  object BtnOk: TButton
    Left = 141
    Top = 244
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object BtnCancel: TButton
    Left = 222
    Top = 244
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancelar'
    ModalResult = 2
    TabOrder = 2
  end
end
