object Form4: TForm4
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = '参数调整'
  Width = 711
  Height = 525
  FormStyle = fsStayOnTop
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  object Label1: TLabel
    Left = 12
    Top = 14
    Caption = '调整范围:'
  end
  object Label2: TLabel
    Left = 100
    Top = 14
    Caption = ''
  end
  object BitBtn8: TBitBtn
    Left = 597
    Top = 8
    Width = 100
    Height = 25
    Caption = '系统复位'
    Anchors = [akTop, akRight]
    Enabled = False
    TabOrder = 0
    OnClick = BitBtn8Click
  end
  object cxPageControl1: TcxPageControl
    Left = 8
    Top = 40
    Width = 689
    Height = 400
    ActivePage = ColorAdjust
    Anchors = [akLeft, akTop, akRight]
    ShowFrame = True
    object TabSheet1: TcxTabSheet
      Caption = 'VIDEO'
      object GroupBox5: TcxGroupBox
        Left = 8
        Top = 8
        Caption = 'Picture'
        TabOrder = 0
        Height = 204
        Width = 216
        object Label3: TLabel
          Left = 14
          Top = 31
          Caption = 'Brightness'
        end
        object SpeedButton1: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object SpeedButton2: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label4: TLabel
          Left = 14
          Top = 65
          Caption = 'Contrast'
        end
        object SpeedButton3: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object SpeedButton4: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
        object Label5: TLabel
          Left = 14
          Top = 99
          Caption = 'Satuation'
        end
        object SpeedButton5: TcxButton
          Left = 146
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 4
          OnClick = StepButtonClick
        end
        object SpeedButton6: TcxButton
          Left = 178
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 5
          OnClick = StepButtonClick
        end
        object Label6: TLabel
          Left = 14
          Top = 133
          Caption = 'Sharpness'
        end
        object SpeedButton7: TcxButton
          Left = 146
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 6
          OnClick = StepButtonClick
        end
        object SpeedButton8: TcxButton
          Left = 178
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 7
          OnClick = StepButtonClick
        end
        object Label7: TLabel
          Left = 14
          Top = 167
          Caption = 'Red'
        end
        object SpeedButton57: TcxButton
          Left = 146
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 8
          OnClick = StepButtonClick
        end
        object SpeedButton58: TcxButton
          Left = 178
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 9
          OnClick = StepButtonClick
        end
      end
      object GroupBox6: TcxGroupBox
        Left = 234
        Top = 8
        Caption = 'Postion'
        TabOrder = 1
        Height = 102
        Width = 216
        object Label8: TLabel
          Left = 14
          Top = 31
          Caption = 'H Position'
        end
        object SpeedButton9: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object SpeedButton10: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label9: TLabel
          Left = 14
          Top = 65
          Caption = 'V Position'
        end
        object SpeedButton11: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object SpeedButton12: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
      end
      object GroupBox10: TcxGroupBox
        Left = 460
        Top = 8
        Caption = 'Reproduction rate adjustment'
        TabOrder = 2
        Height = 170
        Width = 216
        object Label10: TLabel
          Left = 14
          Top = 31
          Caption = 'HSTAT'
        end
        object btnHsatsub: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object btnHsatadd: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label11: TLabel
          Left = 14
          Top = 65
          Caption = 'HSIZE'
        end
        object btnHszesub: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object btnHszeadd: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
        object Label12: TLabel
          Left = 14
          Top = 99
          Caption = 'VSTAT'
        end
        object btnVsatsub: TcxButton
          Left = 146
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 4
          OnClick = StepButtonClick
        end
        object btnVsatadd: TcxButton
          Left = 178
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 5
          OnClick = StepButtonClick
        end
        object Label13: TLabel
          Left = 14
          Top = 133
          Caption = 'VSIZE'
        end
        object btnVszesub: TcxButton
          Left = 146
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 6
          OnClick = StepButtonClick
        end
        object btnVszeadd: TcxButton
          Left = 178
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 7
          OnClick = StepButtonClick
        end
      end
    end
    object TabSheet2: TcxTabSheet
      Caption = 'VGA'
      object GroupBox1: TcxGroupBox
        Left = 8
        Top = 8
        Caption = '图像'
        TabOrder = 0
        Height = 238
        Width = 216
        object Label14: TLabel
          Left = 14
          Top = 31
          Caption = '亮度'
        end
        object SpeedButton19: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object SpeedButton20: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label15: TLabel
          Left = 14
          Top = 65
          Caption = '对比度'
        end
        object SpeedButton21: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object SpeedButton22: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
        object Label16: TLabel
          Left = 14
          Top = 99
          Caption = '水平位置'
        end
        object SpeedButton23: TcxButton
          Left = 146
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 4
          OnClick = StepButtonClick
        end
        object SpeedButton24: TcxButton
          Left = 178
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 5
          OnClick = StepButtonClick
        end
        object Label17: TLabel
          Left = 14
          Top = 133
          Caption = '垂直位置'
        end
        object SpeedButton25: TcxButton
          Left = 146
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 6
          OnClick = StepButtonClick
        end
        object SpeedButton26: TcxButton
          Left = 178
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 7
          OnClick = StepButtonClick
        end
        object Label18: TLabel
          Left = 14
          Top = 167
          Caption = '时钟'
        end
        object SpeedButton27: TcxButton
          Left = 146
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 8
          OnClick = StepButtonClick
        end
        object SpeedButton28: TcxButton
          Left = 178
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 9
          OnClick = StepButtonClick
        end
        object Label19: TLabel
          Left = 14
          Top = 201
          Caption = '相位'
        end
        object SpeedButton29: TcxButton
          Left = 146
          Top = 196
          Width = 26
          Height = 24
          TabOrder = 10
          OnClick = StepButtonClick
        end
        object SpeedButton30: TcxButton
          Left = 178
          Top = 196
          Width = 26
          Height = 24
          TabOrder = 11
          OnClick = StepButtonClick
        end
      end
      object GroupBox11: TcxGroupBox
        Left = 234
        Top = 8
        Caption = '色彩亮平衡'
        TabOrder = 1
        Height = 136
        Width = 216
        object Label20: TLabel
          Left = 14
          Top = 31
          Caption = '红色'
        end
        object SpeedButton69: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object SpeedButton70: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label21: TLabel
          Left = 14
          Top = 65
          Caption = '绿色'
        end
        object SpeedButton71: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object SpeedButton72: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
        object Label22: TLabel
          Left = 14
          Top = 99
          Caption = '蓝色'
        end
        object SpeedButton73: TcxButton
          Left = 146
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 4
          OnClick = StepButtonClick
        end
        object SpeedButton74: TcxButton
          Left = 178
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 5
          OnClick = StepButtonClick
        end
      end
      object GroupBox2: TcxGroupBox
        Left = 460
        Top = 8
        Caption = '色彩暗平衡'
        TabOrder = 2
        Height = 136
        Width = 216
        object Label23: TLabel
          Left = 14
          Top = 31
          Caption = '红色'
        end
        object SpeedButton31: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object SpeedButton32: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label24: TLabel
          Left = 14
          Top = 65
          Caption = '绿色'
        end
        object SpeedButton33: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object SpeedButton34: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
        object Label26: TLabel
          Left = 14
          Top = 99
          Caption = '蓝色'
        end
        object SpeedButton35: TcxButton
          Left = 146
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 4
          OnClick = StepButtonClick
        end
        object SpeedButton36: TcxButton
          Left = 178
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 5
          OnClick = StepButtonClick
        end
      end
      object Button4: TcxButton
        Left = 234
        Top = 156
        Width = 120
        Height = 25
        Caption = '色彩自动调整'
        TabOrder = 3
        OnClick = Button4Click
      end
      object Button1: TcxButton
        Left = 460
        Top = 156
        Width = 120
        Height = 25
        Caption = '位置自动调整'
        TabOrder = 4
        OnClick = Button1Click
      end
    end
    object tsDHY: TcxTabSheet
      Caption = 'DVI/HDMI/YUV'
      object grpDHYPicture: TcxGroupBox
        Left = 8
        Top = 8
        Caption = '图像'
        TabOrder = 0
        Height = 170
        Width = 216
        object Label27: TLabel
          Left = 14
          Top = 31
          Caption = '亮度'
        end
        object cxButton1: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object cxButton2: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label28: TLabel
          Left = 14
          Top = 65
          Caption = '对比度'
        end
        object cxButton3: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object cxButton4: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
        object lblHPosition: TLabel
          Left = 14
          Top = 99
          Caption = '水平位置'
        end
        object cxButton5: TcxButton
          Left = 146
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 4
          OnClick = StepButtonClick
        end
        object cxButton6: TcxButton
          Left = 178
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 5
          OnClick = StepButtonClick
        end
        object lblYPosition: TLabel
          Left = 14
          Top = 133
          Caption = '垂直位置'
        end
        object cxButton7: TcxButton
          Left = 146
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 6
          OnClick = StepButtonClick
        end
        object cxButton8: TcxButton
          Left = 178
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 7
          OnClick = StepButtonClick
        end
        object Label46: TLabel
          Left = 14
          Top = 167
          Caption = '时钟'
          Visible = False
        end
        object cxButton9: TcxButton
          Left = 146
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 8
          Visible = False
          OnClick = StepButtonClick
        end
        object cxButton10: TcxButton
          Left = 178
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 9
          Visible = False
          OnClick = StepButtonClick
        end
        object Label47: TLabel
          Left = 14
          Top = 201
          Caption = '相位'
          Visible = False
        end
        object cxButton11: TcxButton
          Left = 146
          Top = 196
          Width = 26
          Height = 24
          TabOrder = 10
          Visible = False
          OnClick = StepButtonClick
        end
        object cxButton12: TcxButton
          Left = 178
          Top = 196
          Width = 26
          Height = 24
          TabOrder = 11
          Visible = False
          OnClick = StepButtonClick
        end
      end
    end
    object tsCOLORTEMP: TcxTabSheet
      Caption = '色温调整'
      object GroupBox8: TcxGroupBox
        Left = 8
        Top = 8
        Caption = '色温亮阶调整'
        TabOrder = 0
        Height = 272
        Width = 216
        object Label29: TLabel
          Left = 14
          Top = 31
          Caption = '红色'
        end
        object SpeedButton51: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object SpeedButton52: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label30: TLabel
          Left = 14
          Top = 65
          Caption = '绿色'
        end
        object SpeedButton53: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object SpeedButton54: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
        object Label31: TLabel
          Left = 14
          Top = 99
          Caption = '蓝色'
        end
        object SpeedButton55: TcxButton
          Left = 146
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 4
          OnClick = StepButtonClick
        end
        object SpeedButton56: TcxButton
          Left = 178
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 5
          OnClick = StepButtonClick
        end
        object Label32: TLabel
          Left = 14
          Top = 133
          Caption = '黄色'
        end
        object btnBrnYellowSub: TcxButton
          Left = 146
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 6
          OnClick = MixedStepClick
        end
        object btnBrnYellowAdd: TcxButton
          Left = 178
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 7
          OnClick = MixedStepClick
        end
        object Label33: TLabel
          Left = 14
          Top = 167
          Caption = '紫色'
        end
        object btnBrnPurpleSub: TcxButton
          Left = 146
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 8
          OnClick = MixedStepClick
        end
        object btnBrnPurpleAdd: TcxButton
          Left = 178
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 9
          OnClick = MixedStepClick
        end
        object Label34: TLabel
          Left = 14
          Top = 201
          Caption = '青色'
        end
        object btnBrnCyanSub: TcxButton
          Left = 146
          Top = 196
          Width = 26
          Height = 24
          TabOrder = 10
          OnClick = MixedStepClick
        end
        object btnBrnCyanAdd: TcxButton
          Left = 178
          Top = 196
          Width = 26
          Height = 24
          TabOrder = 11
          OnClick = MixedStepClick
        end
        object Label35: TLabel
          Left = 14
          Top = 235
          Caption = '灰色'
        end
        object btnBrnGraySub: TcxButton
          Left = 146
          Top = 230
          Width = 26
          Height = 24
          TabOrder = 12
          OnClick = MixedStepClick
        end
        object btnBrnGrayAdd: TcxButton
          Left = 178
          Top = 230
          Width = 26
          Height = 24
          TabOrder = 13
          OnClick = MixedStepClick
        end
      end
      object GroupBox7: TcxGroupBox
        Left = 234
        Top = 8
        Caption = '色温'
        TabOrder = 1
        Height = 272
        Width = 216
        object Label36: TLabel
          Left = 14
          Top = 31
          Caption = '红色'
        end
        object SpeedButton45: TcxButton
          Left = 146
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 0
          OnClick = StepButtonClick
        end
        object SpeedButton46: TcxButton
          Left = 178
          Top = 26
          Width = 26
          Height = 24
          TabOrder = 1
          OnClick = StepButtonClick
        end
        object Label37: TLabel
          Left = 14
          Top = 65
          Caption = '绿色'
        end
        object SpeedButton47: TcxButton
          Left = 146
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 2
          OnClick = StepButtonClick
        end
        object SpeedButton48: TcxButton
          Left = 178
          Top = 60
          Width = 26
          Height = 24
          TabOrder = 3
          OnClick = StepButtonClick
        end
        object Label38: TLabel
          Left = 14
          Top = 99
          Caption = '蓝色'
        end
        object SpeedButton49: TcxButton
          Left = 146
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 4
          OnClick = StepButtonClick
        end
        object SpeedButton50: TcxButton
          Left = 178
          Top = 94
          Width = 26
          Height = 24
          TabOrder = 5
          OnClick = StepButtonClick
        end
        object Label39: TLabel
          Left = 14
          Top = 133
          Caption = '黄色'
        end
        object btnDrnYellowSub: TcxButton
          Left = 146
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 6
          OnClick = MixedStepClick
        end
        object btnDrnYellowAdd: TcxButton
          Left = 178
          Top = 128
          Width = 26
          Height = 24
          TabOrder = 7
          OnClick = MixedStepClick
        end
        object Label40: TLabel
          Left = 14
          Top = 167
          Caption = '紫色'
        end
        object btnDrnPurpleSub: TcxButton
          Left = 146
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 8
          OnClick = MixedStepClick
        end
        object btnDrnPurpleAdd: TcxButton
          Left = 178
          Top = 162
          Width = 26
          Height = 24
          TabOrder = 9
          OnClick = MixedStepClick
        end
        object Label41: TLabel
          Left = 14
          Top = 201
          Caption = '青色'
        end
        object btnDrnCyanSub: TcxButton
          Left = 146
          Top = 196
          Width = 26
          Height = 24
          TabOrder = 10
          OnClick = MixedStepClick
        end
        object btnDrnCyanAdd: TcxButton
          Left = 178
          Top = 196
          Width = 26
          Height = 24
          TabOrder = 11
          OnClick = MixedStepClick
        end
        object Label42: TLabel
          Left = 14
          Top = 235
          Caption = '灰色'
        end
        object btnDrnGraySub: TcxButton
          Left = 146
          Top = 230
          Width = 26
          Height = 24
          TabOrder = 12
          OnClick = MixedStepClick
        end
        object btnDrnGrayAdd: TcxButton
          Left = 178
          Top = 230
          Width = 26
          Height = 24
          TabOrder = 13
          OnClick = MixedStepClick
        end
      end
      object btnHelp: TcxButton
        Left = 460
        Top = 16
        Width = 100
        Height = 25
        Caption = '帮助'
        TabOrder = 2
        OnClick = btnHelpClick
      end
      object RadioGroup1: TcxRadioGroup
        Left = 460
        Top = 56
        Caption = '色温调节'
        Enabled = False
        Properties.Items = <
          item
            Caption = '标准'
          end
          item
            Caption = '暖色'
          end
          item
            Caption = '冷色'
          end>
        TabOrder = 3
        Visible = False
        Height = 100
        Width = 216
        OnClick = RadioGroup1Click
      end
    end
    object ColorAdjust: TcxTabSheet
      Caption = '色彩调整'
      object Panel1: TPanel
        Left = 0
        Top = 8
        Width = 683
        Height = 232
        Anchors = [akLeft, akTop, akRight]
        BevelOuter = bvLowered
        TabOrder = 0
      end
      object rzpnl1: TRzPanel
        Left = 8
        Top = 250
        Width = 26
        Height = 26
        BorderOuter = fsButtonDown
        BorderColor = clBlack
        BorderShadow = clBlack
        TabOrder = 1
        Visible = False
      end
      object rzpnl2: TRzPanel
        Left = 8
        Top = 250
        Width = 26
        Height = 26
        BorderOuter = fsNone
        TabOrder = 2
        Visible = False
      end
      object rzpnl3: TRzPanel
        Left = 611
        Top = 250
        Width = 64
        Height = 26
        BorderOuter = fsFlatRounded
        Caption = '>>>'
        Color = clCream
        TabOrder = 3
        OnMouseDown = rzpnl3MouseDown
      end
    end
    object TabSheet4: TcxTabSheet
      Caption = 'B板调节'
      object Label43: TLabel
        Left = 16
        Top = 16
        Caption = 'B板调节'
      end
    end
  end
  object Label25: TLabel
    Left = 12
    Top = 457
    Caption = '背光亮度调整'
  end
  object SpeedButton43: TcxButton
    Left = 116
    Top = 452
    Width = 26
    Height = 24
    TabOrder = 1
    OnClick = StepButtonClick
  end
  object SpeedButton44: TcxButton
    Left = 148
    Top = 452
    Width = 26
    Height = 24
    TabOrder = 2
    OnClick = StepButtonClick
  end
  object Button2: TcxButton
    Left = 496
    Top = 452
    Width = 96
    Height = 25
    Caption = '保存调整'
    Anchors = [akTop, akRight]
    TabOrder = 3
    OnClick = Button2Click
  end
  object Button3: TcxButton
    Left = 601
    Top = 452
    Width = 96
    Height = 25
    Caption = '关闭'
    Anchors = [akTop, akRight]
    TabOrder = 4
    OnClick = Button3Click
  end
  object tmr1: TTimer
    Enabled = False
    Interval = 200
    OnTimer = tmr1Timer
  end
end
