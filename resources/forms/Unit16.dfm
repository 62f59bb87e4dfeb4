object Form16: TForm16
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = #24322#24418#35843#33410
  Width = 366
  Height = 373
  Position = poScreenCenter
  OnShow = FormShow
  object GroupBox2: TGroupBox
    Left = 8
    Top = 8
    Width = 342
    Height = 320
    Caption = #24322#24418#35843#33410
    TabOrder = 0
    object CheckBox1: TCheckBox
      Left = 16
      Top = 24
      Width = 160
      Height = 17
      Caption = #21551#21160#35843#33410
      TabOrder = 0
      OnClick = CheckBox1Click
    end
    object Label20: TLabel
      Left = 16
      Top = 52
      Caption = #27700#24179#26041#21521#36755#20837#25968#23383#65306'0'#21040#24403#21069#23631#24149#30340#23485#24230#13#10#22402#30452#26041#21521#36755#20837#25968#23383#65306'0'#21040#24403#21069#23631#24149#30340#39640#24230
      Font.Color = clRed
      ParentFont = False
    end
    object LabelEn: TLabel
      Left = 16
      Top = 52
      Caption = 'Horizontal Input:0 to the width of'#13#10'current screen'#13#10'Vertical Input:0 to the height of'#13#10'current screen'
      Font.Color = clRed
      ParentFont = False
      Visible = False
    end
    object Label21: TLabel
      Left = 16
      Top = 132
      Caption = #27700#24179#36215#22987#35843#33410#65306
    end
    object Edit2: TEdit
      Left = 128
      Top = 128
      Width = 112
      Height = 21
      TabOrder = 1
      Text = '0'
    end
    object Button5: TButton
      Left = 252
      Top = 126
      Width = 75
      Height = 25
      Caption = #24212#29992
      TabOrder = 2
      OnClick = Button5Click
    end
    object Label22: TLabel
      Left = 16
      Top = 180
      Caption = #27700#24179'SIZE'#35843#33410#65306
    end
    object Edit3: TEdit
      Left = 128
      Top = 176
      Width = 112
      Height = 21
      TabOrder = 3
      Text = '1920'
    end
    object Button1: TButton
      Left = 252
      Top = 174
      Width = 75
      Height = 25
      Caption = #24212#29992
      TabOrder = 4
      OnClick = Button1Click
    end
    object Label24: TLabel
      Left = 16
      Top = 228
      Caption = #22402#30452#36215#22987#35843#33410#65306
    end
    object Edit4: TEdit
      Left = 128
      Top = 224
      Width = 112
      Height = 21
      TabOrder = 5
      Text = '0'
    end
    object Button2: TButton
      Left = 252
      Top = 222
      Width = 75
      Height = 25
      Caption = #24212#29992
      TabOrder = 6
      OnClick = Button2Click
    end
    object Label23: TLabel
      Left = 16
      Top = 276
      Caption = #22402#30452'SIZE'#35843#33410#65306
    end
    object Edit5: TEdit
      Left = 128
      Top = 272
      Width = 112
      Height = 21
      TabOrder = 7
      Text = '1080'
    end
    object Button3: TButton
      Left = 252
      Top = 270
      Width = 75
      Height = 25
      Caption = #24212#29992
      TabOrder = 8
      OnClick = Button3Click
    end
    object Button6: TButton
      Left = 252
      Top = 20
      Width = 75
      Height = 25
      Caption = #24320#20851
      TabOrder = 9
      Visible = False
      OnClick = Button6Click
    end
  end
  object GroupBox3: TGroupBox
    Left = 8
    Top = 200
    Width = 342
    Height = 120
    Caption = #24322#24418#24494#35843#33410
    TabOrder = 1
    Visible = False
    object Label30: TLabel
      Left = 16
      Top = 28
      Caption = #19978#65306
    end
    object Button7: TButton
      Left = 60
      Top = 24
      Width = 24
      Height = 20
      Caption = '+'
      TabOrder = 0
      OnClick = Button7Click
    end
    object Button8: TButton
      Left = 90
      Top = 24
      Width = 24
      Height = 20
      Caption = '-'
      TabOrder = 1
    end
    object Label31: TLabel
      Left = 16
      Top = 50
      Caption = #19979#65306
    end
    object Button9: TButton
      Left = 60
      Top = 46
      Width = 24
      Height = 20
      Caption = '+'
      TabOrder = 2
    end
    object Button10: TButton
      Left = 90
      Top = 46
      Width = 24
      Height = 20
      Caption = '-'
      TabOrder = 3
    end
    object Label32: TLabel
      Left = 16
      Top = 72
      Caption = #24038#65306
    end
    object Button11: TButton
      Left = 60
      Top = 68
      Width = 24
      Height = 20
      Caption = '+'
      TabOrder = 4
    end
    object Button12: TButton
      Left = 90
      Top = 68
      Width = 24
      Height = 20
      Caption = '-'
      TabOrder = 5
    end
    object Label33: TLabel
      Left = 16
      Top = 94
      Caption = #21491#65306
    end
    object Button13: TButton
      Left = 60
      Top = 90
      Width = 24
      Height = 20
      Caption = '+'
      TabOrder = 6
    end
    object Button14: TButton
      Left = 90
      Top = 90
      Width = 24
      Height = 20
      Caption = '-'
      TabOrder = 7
    end
  end
end
