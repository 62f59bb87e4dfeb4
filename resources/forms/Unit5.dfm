object Form5: TForm5
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = '版本信息'
  ClientHeight = 125
  ClientWidth = 300
  FormStyle = fsStayOnTop
  Position = poScreenCenter
  OnShow = FormShow
  object Label1: TLabel
    Left = 16
    Top = 14
    Caption = '大屏幕拼接控制系统'
    Font.Height = -15
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 16
    Top = 40
    Caption = 'VER:5.0.4'
  end
  object Label3: TLabel
    Left = 16
    Top = 58
    Caption = ' '
  end
  object Button1: TButton
    Left = 128
    Top = 84
    Width = 75
    Height = 25
    Caption = '版本查看'
    TabOrder = 0
    OnClick = Button1Click
  end
  object BitBtn1: TcxButton
    Left = 209
    Top = 84
    Width = 75
    Height = 25
    Caption = '退出'
    TabOrder = 1
    OnClick = BitBtn1Click
  end
end
