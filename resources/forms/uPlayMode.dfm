object frmPlayMode: TfrmPlayMode
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = #25773#25918#35774#32622
  Width = 586
  Height = 163
  Position = poScreenCenter
  OnShow = FormShow
  object cxgrpbxPayMode: TcxGroupBox
    Left = 8
    Top = 8
    Width = 200
    Height = 108
    Caption = #24320#26426#25773#25918#27169#24335#36873#25321
    TabOrder = 0
    object rbPicMode: TcxRadioButton
      Left = 16
      Top = 44
      Width = 80
      Height = 21
      Caption = #22270#29255
      TabOrder = 0
      OnMouseDown = rbPicModeMouseDown
    end
    object rbVidMode: TcxRadioButton
      Left = 108
      Top = 44
      Width = 80
      Height = 21
      Caption = #35270#39057
      TabOrder = 1
      OnMouseDown = rbVidModeMouseDown
    end
  end
  object cxgrpbxAngle: TcxGroupBox
    Left = 216
    Top = 8
    Width = 354
    Height = 108
    Caption = #22270#29255#35282#24230#36873#25321
    TabOrder = 1
    object rbZero: TcxRadioButton
      Left = 16
      Top = 44
      Width = 70
      Height = 21
      Caption = '0'#176
      TabOrder = 0
      OnMouseDown = rbZeroMouseDown
    end
    object rbNinty: TcxRadioButton
      Left = 100
      Top = 44
      Width = 70
      Height = 21
      Caption = '90'#176
      TabOrder = 1
      OnMouseDown = rbNintyMouseDown
    end
    object rbOheity: TcxRadioButton
      Left = 184
      Top = 44
      Width = 70
      Height = 21
      Caption = '180'#176
      TabOrder = 2
      OnMouseDown = rbOheityMouseDown
    end
    object rbThevty: TcxRadioButton
      Left = 268
      Top = 44
      Width = 70
      Height = 21
      Caption = '270'#176
      TabOrder = 3
      OnMouseDown = rbThevtyMouseDown
    end
  end
end
