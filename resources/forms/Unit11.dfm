object Form11: TForm11
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = #36793#32536#34701#21512
  Width = 441
  Height = 222
  Position = poScreenCenter
  OnShow = FormShow
  object GroupBox1: TcxGroupBox
    Left = 8
    Top = 4
    Caption = #36793#32536#34701#21512
    TabOrder = 0
    Height = 148
    Width = 419
    object CheckBox1: TcxCheckBox
      Left = 12
      Top = 22
      Caption = #20351#29992#34701#21512#25928#26524
      TabOrder = 0
      Width = 200
      Height = 21
      OnClick = CheckBox1Click
    end
    object Label5: TLabel
      Left = 14
      Top = 64
      Caption = #34701#21512#27700#24179#26041#21521#35843#33410'    '
      Enabled = False
    end
    object TrackBar1: TcxTrackBar
      Left = 150
      Top = 54
      Enabled = False
      Height = 36
      Width = 256
    end
    object Label6: TLabel
      Left = 14
      Top = 108
      Caption = #34701#21512#22402#30452#26041#21521#35843#33410'    '
      Enabled = False
    end
    object TrackBar2: TcxTrackBar
      Left = 150
      Top = 98
      Enabled = False
      Height = 36
      Width = 256
    end
  end
  object BitBtn10: TcxButton
    Left = 352
    Top = 160
    Width = 75
    Height = 25
    Caption = #24212#29992
    TabOrder = 1
    OnClick = BitBtn10Click
  end
end
