object frmSubtitleSettings: TfrmSubtitleSettings
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = '字幕设置'
  Width = 487
  Height = 360
  Position = poScreenCenter
  OnShow = FormShow
  object cxlblText: TcxLabel
    Left = 12
    Top = 12
    Caption = '文本：'
    ParentColor = True
  end
  object cxmText: TcxMemo
    Left = 12
    Top = 34
    Width = 345
    Height = 121
    Properties.ScrollBars = ssVertical
    TabOrder = 0
  end
  object btnFontSetting: TcxButton
    Left = 369
    Top = 34
    Width = 94
    Height = 25
    Caption = '字体设置'
    TabOrder = 1
    OnClick = btnFontSettingClick
  end
  object cxLabel3: TcxLabel
    Left = 12
    Top = 170
    Caption = '背景颜色设置：'
    ParentColor = True
  end
  object cbbBGColor: TcxColorComboBox
    Left = 116
    Top = 168
    Width = 161
    Height = 21
    TabOrder = 2
  end
  object cbTranp: TcxCheckBox
    Left = 289
    Top = 168
    Width = 120
    Height = 21
    Caption = '透明'
    TabOrder = 3
    Transparent = True
    OnClick = cbTranpClick
  end
  object cxlblInterval: TcxLabel
    Left = 12
    Top = 203
    Caption = '滚动间隔：'
    ParentColor = True
  end
  object lbledtInterval: TLabeledEdit
    Left = 116
    Top = 201
    Width = 100
    Height = 21
    EditLabel.Caption = 'ms'
    LabelPosition = lpRight
    LabelSpacing = 6
    TabOrder = 4
    Text = '0'
  end
  object cxCheckBox1: TcxCheckBox
    Left = 289
    Top = 201
    Width = 120
    Height = 21
    Caption = '垂直显示'
    TabOrder = 5
    Visible = False
  end
  object CheckBoxShowTime: TcxCheckBox
    Left = 12
    Top = 234
    Width = 100
    Height = 21
    Caption = '显示时间'
    TabOrder = 6
    Visible = False
  end
  object cbbTimeFormat: TcxComboBox
    Left = 116
    Top = 234
    Width = 161
    Height = 21
    Enabled = False
    Properties.Items.Strings = (
      'yy-mm-dd hh:mm:ss'
      'yyyy-mm-dd hh:mm:ss'
      'mm-dd hh:mm:ss'
      'hh:mm:ss')
    TabOrder = 7
    Visible = False
  end
  object btnOpenDisplay: TcxButton
    Left = 12
    Top = 282
    Width = 100
    Height = 25
    Caption = '打开字幕'
    TabOrder = 8
    OnClick = btnOpenDisplayClick
  end
  object btnCloseDisplay: TcxButton
    Left = 128
    Top = 282
    Width = 100
    Height = 25
    Caption = '关闭字幕'
    TabOrder = 9
    OnClick = btnCloseDisplayClick
  end
  object btnSave: TcxButton
    Left = 247
    Top = 282
    Width = 100
    Height = 25
    Caption = '保存'
    TabOrder = 10
    OnClick = btnSaveClick
  end
  object btnClose: TcxButton
    Left = 363
    Top = 282
    Width = 100
    Height = 25
    Caption = '关闭'
    TabOrder = 11
    OnClick = btnCloseClick
  end
  object dlgFont: TFontDialog
  end
end
