object Form8: TForm8
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = '修改密码'
  ClientHeight = 149
  ClientWidth = 270
  Position = poScreenCenter
  OnShow = FormShow
  object Label1: TLabel
    Left = 16
    Top = 19
    Caption = '旧密码：'
  end
  object Label2: TLabel
    Left = 16
    Top = 47
    Caption = '新密码：'
  end
  object Label3: TLabel
    Left = 16
    Top = 75
    Caption = '确认新密码：  '
  end
  object Edit1: TEdit
    Left = 112
    Top = 16
    Width = 142
    Height = 21
    MaxLength = 8
    PasswordChar = 42
    TabOrder = 0
    OnKeyPress = EditKeyPress
  end
  object Edit2: TEdit
    Left = 112
    Top = 44
    Width = 142
    Height = 21
    MaxLength = 8
    PasswordChar = 42
    TabOrder = 1
    OnKeyPress = EditKeyPress
  end
  object Edit3: TEdit
    Left = 112
    Top = 72
    Width = 142
    Height = 21
    MaxLength = 8
    PasswordChar = 42
    TabOrder = 2
    OnKeyPress = EditKeyPress
  end
  object Button1: TcxButton
    Left = 98
    Top = 108
    Width = 75
    Height = 25
    Caption = '更改'
    TabOrder = 3
    OnClick = Button1Click
  end
  object Button2: TcxButton
    Left = 179
    Top = 108
    Width = 75
    Height = 25
    Caption = '关闭'
    TabOrder = 4
    OnClick = Button2Click
  end
end
