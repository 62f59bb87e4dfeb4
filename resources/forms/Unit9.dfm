object Form9: TForm9
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = '更改名称 '
  ClientHeight = 147
  ClientWidth = 290
  Position = poScreenCenter
  OnShow = FormShow
  object Label1: TLabel
    Left = 20
    Top = 20
    Caption = '输入更改名称：'
  end
  object Edit1: TEdit
    Left = 20
    Top = 42
    Width = 250
    Height = 21
    TabOrder = 0
  end
  object Button1: TButton
    Left = 60
    Top = 98
    Width = 100
    Height = 25
    Caption = '修改'
    Default = True
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 170
    Top = 98
    Width = 100
    Height = 25
    Caption = '取消'
    TabOrder = 2
    OnClick = Button2Click
  end
end
