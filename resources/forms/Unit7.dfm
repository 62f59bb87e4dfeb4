object Form7: TForm7
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = '管理员'
  ClientHeight = 146
  ClientWidth = 289
  Position = poScreenCenter
  OnShow = FormShow
  object Label1: TLabel
    Left = 16
    Top = 16
    Caption = '请输入管理员登录密码'
  end
  object MaskEdit1: TMaskEdit
    Left = 16
    Top = 36
    Width = 257
    Height = 21
    MaxLength = 8
    PasswordChar = 42
    TabOrder = 0
    OnKeyPress = MaskEdit1KeyPress
  end
  object Button1: TcxButton
    Left = 16
    Top = 72
    Width = 120
    Height = 25
    Caption = '登录'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button3: TcxButton
    Left = 153
    Top = 72
    Width = 120
    Height = 25
    Caption = '修改密码'
    TabOrder = 2
    OnClick = Button3Click
  end
  object Button4: TcxButton
    Left = 16
    Top = 105
    Width = 120
    Height = 25
    Caption = '注销'
    TabOrder = 3
    OnClick = Button4Click
  end
  object Button2: TcxButton
    Left = 153
    Top = 105
    Width = 120
    Height = 25
    Caption = '关闭'
    TabOrder = 4
    OnClick = Button2Click
  end
end
