object Form14: TForm14
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = '通道选择'
  Width = 371
  Height = 238
  Position = poScreenCenter
  OnShow = FormShow
  object Label1: TLabel
    Left = 16
    Top = 24
    Caption = '信号类型'
  end
  object ComboBox4: TComboBox
    Left = 112
    Top = 20
    Width = 150
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'VIDEO'
      'VGA'
      'DVI'
      'HDMI'
      'SDI'
      'YUV'
      'VIDEO2')
    ItemIndex = 0
    TabOrder = 0
    OnChange = ComboBox4Change
  end
  object Label2: TLabel
    Left = 16
    Top = 62
    Caption = '矩阵输入通道'
    Enabled = False
  end
  object ComboBox2: TComboBox
    Left = 112
    Top = 58
    Width = 150
    Height = 21
    Style = csDropDownList
    Enabled = False
    TabOrder = 1
  end
  object ComboBox8: TComboBox
    Left = 112
    Top = 58
    Width = 150
    Height = 21
    Style = csDropDownList
    TabOrder = 2
    Visible = False
  end
  object CheckBox3: TCheckBox
    Left = 16
    Top = 96
    Width = 120
    Height = 17
    Caption = '矩阵联动'
    TabOrder = 3
    OnClick = CheckBox3Click
  end
  object GroupBox3: TGroupBox
    Left = 16
    Top = 124
    Width = 246
    Height = 60
    Caption = '矩阵型号'
    TabOrder = 4
    Visible = False
    object Label7: TLabel
      Left = 12
      Top = 26
      Caption = ''
    end
  end
  object BitBtn3: TBitBtn
    Left = 274
    Top = 19
    Width = 75
    Height = 25
    Caption = '拼接'
    TabOrder = 5
    OnClick = BitBtn3Click
  end
  object BitBtn1: TBitBtn
    Left = 274
    Top = 57
    Width = 75
    Height = 25
    Caption = '分解'
    TabOrder = 6
    OnClick = BitBtn1Click
  end
end
