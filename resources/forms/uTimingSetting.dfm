object frmTimingSetting: TfrmTimingSetting
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = '定时设置'
  Width = 398
  Height = 274
  Position = poScreenCenter
  OnShow = FormShow
  object lblExecMode: TLabel
    Left = 24
    Top = 27
    Caption = '重复类型'
  end
  object cbbExecMode: TcxComboBox
    Left = 112
    Top = 24
    Width = 150
    Height = 21
    Properties.DropDownListStyle = lsFixedList
    Properties.Items.Strings = (
      '单次不重复'
      '每天重复')
    Properties.OnChange = cbbExecModePropertiesChange
    TabOrder = 0
    Text = '不重复'
  end
  object lblOpenSys: TLabel
    Left = 24
    Top = 67
    Caption = '开机时间'
  end
  object lbledtOHours: TLabeledEdit
    Left = 112
    Top = 64
    Width = 48
    Height = 21
    EditLabel.Caption = '时'
    LabelPosition = lpRight
    LabelSpacing = 6
    TabOrder = 1
  end
  object lbledtOMin: TLabeledEdit
    Left = 200
    Top = 64
    Width = 48
    Height = 21
    EditLabel.Caption = '分'
    LabelPosition = lpRight
    LabelSpacing = 6
    TabOrder = 2
  end
  object lblCloseSys: TLabel
    Left = 24
    Top = 103
    Caption = '关机时间'
  end
  object lbledtCHours: TLabeledEdit
    Left = 112
    Top = 100
    Width = 48
    Height = 21
    EditLabel.Caption = '时'
    LabelPosition = lpRight
    LabelSpacing = 6
    TabOrder = 3
  end
  object lbledtCMin: TLabeledEdit
    Left = 200
    Top = 100
    Width = 48
    Height = 21
    EditLabel.Caption = '分'
    LabelPosition = lpRight
    LabelSpacing = 6
    TabOrder = 4
  end
  object cbFlag: TcxCheckBox
    Left = 112
    Top = 138
    Width = 120
    Height = 21
    Caption = '开/关'
    TabOrder = 5
  end
  object btnOK: TcxButton
    Left = 208
    Top = 196
    Width = 75
    Height = 25
    Caption = '确定'
    TabOrder = 6
    OnClick = btnOKClick
  end
  object btnClose: TcxButton
    Left = 293
    Top = 196
    Width = 75
    Height = 25
    Caption = '关闭'
    TabOrder = 7
    OnClick = btnCloseClick
  end
end
