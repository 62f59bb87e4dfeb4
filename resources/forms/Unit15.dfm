object Form15: TForm15
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = '拼接配置'
  Width = 451
  Height = 295
  Position = poScreenCenter
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object Label1: TLabel
    Left = 24
    Top = 27
    Caption = '用户名称:'
  end
  object Edit1: TEdit
    Left = 112
    Top = 24
    Width = 305
    Height = 21
    TabOrder = 0
    Text = '大屏幕拼接系统'
  end
  object Label2: TLabel
    Left = 24
    Top = 63
    Caption = '拼接行列:'
  end
  object ComboBox1: TcxComboBox
    Left = 112
    Top = 60
    Width = 56
    Height = 21
    Properties.DropDownListStyle = lsFixedList
    Properties.Items.Strings = (
      '1'
      '2'
      '3'
      '4'
      '5'
      '6'
      '7'
      '8'
      '9'
      '10'
      '11'
      '12'
      '13'
      '14'
      '15')
    TabOrder = 1
  end
  object Label7: TLabel
    Left = 174
    Top = 63
    Caption = '行   X '
  end
  object ComboBox2: TcxComboBox
    Left = 218
    Top = 60
    Width = 56
    Height = 21
    Properties.DropDownListStyle = lsFixedList
    Properties.Items.Strings = (
      '1'
      '2'
      '3'
      '4'
      '5'
      '6'
      '7'
      '8'
      '9'
      '10'
      '11'
      '12'
      '13'
      '14'
      '15')
    TabOrder = 2
  end
  object Label8: TLabel
    Left = 280
    Top = 63
    Caption = '列'
  end
  object Label6: TLabel
    Left = 24
    Top = 99
    Caption = '用户标志:'
  end
  object Panel1: TPanel
    Left = 112
    Top = 96
    Width = 200
    Height = 104
    BevelOuter = bvLowered
    Color = clWhite
    TabOrder = 3
    object Image1: TImage
      Left = 1
      Top = 1
      Width = 198
      Height = 102
      Align = alClient
      Center = True
      Proportional = True
      Stretch = True
    end
  end
  object Button2: TcxButton
    Left = 327
    Top = 96
    Width = 90
    Height = 25
    Caption = '图片导入'
    TabOrder = 4
    OnClick = Button2Click
  end
  object Button7: TcxButton
    Left = 231
    Top = 220
    Width = 90
    Height = 25
    Caption = '确定'
    TabOrder = 5
    OnClick = Button7Click
  end
  object Button8: TcxButton
    Left = 327
    Top = 220
    Width = 90
    Height = 25
    Caption = '关闭'
    TabOrder = 6
    OnClick = Button8Click
  end
  object OpenPictureDialog1: TOpenPictureDialog
    FilterIndex = 2
  end
end
