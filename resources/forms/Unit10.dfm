object Form10: TForm10
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = ''
  ClientHeight = 96
  ClientWidth = 280
  Color = clHotLight
  FormStyle = fsStayOnTop
  Position = poScreenCenter
  OnClose = FormClose
  OnShow = FormShow
  object ComboBox3: TComboBox
    Left = 20
    Top = 18
    Width = 240
    Height = 21
    Style = csDropDownList
    DropDownCount = 16
    TabOrder = 0
  end
  object Button1: TButton
    Left = 20
    Top = 54
    Width = 115
    Height = 25
    Caption = '场景调取'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 145
    Top = 54
    Width = 115
    Height = 25
    Caption = '返回'
    TabOrder = 2
    OnClick = Button2Click
  end
end
