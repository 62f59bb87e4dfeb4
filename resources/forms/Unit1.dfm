object Form1: TForm1
  Left = 0
  Top = 0
  Width = 998
  Height = 767
  Caption = '大屏幕拼接控制系统 '
  Color = clBtnFace
  Menu = MainMenu1
  Position = poScreenCenter
  OnClose = FormClose
  OnCreate = FormCreate
  OnResize = FormResize
  OnShow = FormShow
  object GroupBox1: TcxGroupBox
    Left = 0
    Top = 0
    Align = alTop
    Height = 173
    Caption = ''
    Style.Color = clSkyBlue
    TabOrder = 0
    object cxPageControl1: TcxPageControl
      Left = 8
      Top = 16
      Align = alClient
      ActivePage = tsOther
      object tsSerial: TcxTabSheet
        Caption = '串口通讯'
        object BitBtn1: TcxButton
          Left = 16
          Top = 20
          Width = 150
          Height = 32
          Caption = '连接串口/无线'
          TabOrder = 0
          OnClick = BitBtn1Click
        end
        object BitBtn2: TcxButton
          Left = 182
          Top = 20
          Width = 150
          Height = 32
          Caption = '断开串口/无线'
          TabOrder = 1
          OnClick = BitBtn2Click
        end
      end
      object tsConfig: TcxTabSheet
        Caption = '功能配置'
        object BitBtn16: TcxButton
          Left = 16
          Top = 20
          Width = 120
          Height = 32
          Caption = '通讯配置'
          TabOrder = 0
        end
        object BitBtn17: TcxButton
          Left = 148
          Top = 20
          Width = 120
          Height = 32
          Caption = '拼接配置'
          TabOrder = 1
        end
        object BitBtn18: TcxButton
          Left = 280
          Top = 20
          Width = 120
          Height = 32
          Caption = '矩阵配置'
          TabOrder = 2
          Hint = '需管理员权限'
          ParentShowHint = False
          ShowHint = True
        end
        object BitBtn3: TcxButton
          Left = 412
          Top = 20
          Width = 120
          Height = 32
          Caption = '管理员'
          TabOrder = 3
          OnClick = BitBtn3Click
        end
        object BitBtn4: TcxButton
          Left = 544
          Top = 20
          Width = 120
          Height = 32
          Caption = '版本信息'
          TabOrder = 4
          OnClick = BitBtn4Click
        end
        object BitbtnENCH: TcxButton
          Left = 676
          Top = 20
          Width = 120
          Height = 32
          Caption = 'English'
          TabOrder = 5
          OnClick = BitbtnENCHClick
        end
        object rbChinese: TcxRadioButton
          Left = 16
          Top = 68
          Width = 90
          Height = 21
          Caption = '中文'
          TabOrder = 6
          Visible = False
          OnClick = rbChineseClick
        end
        object rbEnglish: TcxRadioButton
          Left = 118
          Top = 68
          Width = 90
          Height = 21
          Caption = '英文'
          TabOrder = 7
          Visible = False
          OnClick = rbEnglishClick
        end
      end
      object tsOther: TcxTabSheet
        Caption = '附加功能'
        object btnPlayMode: TcxButton
          Left = 16
          Top = 20
          Width = 120
          Height = 32
          Caption = '播放设置'
          TabOrder = 0
          OnClick = btnPlayModeClick
        end
        object Label5: TcxLabel
          Left = 152
          Top = 27
          Caption = '换肤'
          Transparent = True
        end
        object cbbSkin: TcxComboBox
          Left = 192
          Top = 25
          Width = 150
          Height = 21
          Properties.DropDownListStyle = lsFixedList
          Properties.OnChange = cbbSkinPropertiesChange
          TabOrder = 1
        end
        object btnBackColor: TcxButton
          Left = 358
          Top = 20
          Width = 120
          Height = 32
          Caption = '背景颜色'
          TabOrder = 2
        end
        object btnTimeSet: TcxButton
          Left = 490
          Top = 20
          Width = 120
          Height = 32
          Caption = '定时设置'
          TabOrder = 3
        end
        object btnSubtitileSetting: TcxButton
          Left = 622
          Top = 20
          Width = 120
          Height = 32
          Caption = '字幕设置'
          TabOrder = 4
          OnClick = btnSubtitileSettingClick
        end
      end
    end
  end
  object StatusBar1: TdxStatusBar
    Left = 0
    Top = 694
    Width = 990
    Height = 20
    Panels = <
      item
        PanelStyleClassName = 'TdxStatusBarTextPanelStyle'
        Text = '串行通讯口'
        Width = 200
      end
      item
        PanelStyleClassName = 'TdxStatusBarTextPanelStyle'
        Text = '操作权限 ： 操作员'
        Width = 200
      end
      item
        PanelStyleClassName = 'TdxStatusBarTextPanelStyle'
        PanelStyle.Alignment = taRightJustify
        Text = 'TIME      '
        Width = 428
      end>
  end
  object Panel3: TPanel
    Left = 0
    Top = 533
    Width = 998
    Height = 161
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 3
    object Image1: TImage
      Left = 0
      Top = 0
      Width = 207
      Height = 161
      Align = alLeft
      Stretch = True
    end
    object Memo1: TMemo
      Left = 783
      Top = 0
      Width = 200
      Height = 161
      Align = alRight
      ScrollBars = ssVertical
      TabOrder = 1
      Visible = False
    end
    object Label3: TcxGroupBox
      Left = 207
      Top = 0
      Align = alClient
      TabOrder = 0
      Caption = 'LCD WALL'
      object PageControl1: TcxPageControl
        Left = 6
        Top = 18
        Width = 576
        Height = 136
        ActivePage = tsFan
        object tsFan: TcxTabSheet
          Caption = '温度控制'
          object GroupBox6: TcxGroupBox
            Left = 8
            Top = 4
            Width = 322
            Height = 98
            TabOrder = 0
            Caption = '风扇模式选择'
            object RadioButton1: TcxRadioButton
              Left = 12
              Top = 20
              Width = 70
              Height = 21
              Caption = '常开'
              TabOrder = 0
            end
            object RadioButton2: TcxRadioButton
              Left = 88
              Top = 20
              Width = 70
              Height = 21
              Caption = '常闭'
              TabOrder = 1
            end
            object RadioButton3: TcxRadioButton
              Left = 164
              Top = 20
              Width = 70
              Height = 21
              Caption = '自动'
              TabOrder = 2
              Checked = True
            end
            object RadioButton4: TcxRadioButton
              Left = 240
              Top = 20
              Width = 76
              Height = 21
              Caption = '手动设置'
              TabOrder = 3
            end
            object LabeledEdit1: TLabeledEdit
              Left = 64
              Top = 58
              Width = 50
              Height = 21
              EditLabel.Caption = '运转值'
              LabelPosition = lpLeft
              TabOrder = 4
              Text = '19'
            end
            object LabeledEdit2: TLabeledEdit
              Left = 190
              Top = 58
              Width = 50
              Height = 21
              EditLabel.Caption = '关闭值'
              LabelPosition = lpLeft
              TabOrder = 5
              Text = '26'
            end
          end
          object BitBtn11: TcxButton
            Left = 342
            Top = 40
            Width = 96
            Height = 28
            Caption = '应用'
            TabOrder = 1
          end
        end
        object tsTest: TcxTabSheet
          Caption = '测试'
          object GroupBox7: TcxGroupBox
            Left = 8
            Top = 4
            Width = 124
            Height = 98
            TabOrder = 0
            Caption = 'TI模式选择'
            object RadioButton5: TcxRadioButton
              Left = 12
              Top = 20
              Width = 100
              Height = 21
              Caption = 'TI 1'
              TabOrder = 0
              Checked = True
            end
            object RadioButton6: TcxRadioButton
              Left = 12
              Top = 42
              Width = 100
              Height = 21
              Caption = 'TI 2'
              TabOrder = 1
            end
            object Button1: TcxButton
              Left = 12
              Top = 66
              Width = 100
              Height = 24
              Caption = '应用'
              TabOrder = 2
            end
          end
          object GroupBox8: TcxGroupBox
            Left = 138
            Top = 4
            Width = 124
            Height = 98
            TabOrder = 1
            Caption = '两组选择'
            object RadioButton7: TcxRadioButton
              Left = 12
              Top = 20
              Width = 100
              Height = 21
              Caption = 'A组'
              TabOrder = 0
              Checked = True
            end
            object RadioButton8: TcxRadioButton
              Left = 12
              Top = 42
              Width = 100
              Height = 21
              Caption = 'B组'
              TabOrder = 1
            end
            object Button8: TcxButton
              Left = 12
              Top = 66
              Width = 100
              Height = 24
              Caption = '应用'
              TabOrder = 2
            end
          end
          object GroupBox9: TcxGroupBox
            Left = 268
            Top = 4
            Width = 124
            Height = 98
            TabOrder = 2
            Caption = '8/10位调节'
            object rb8bit: TcxRadioButton
              Left = 12
              Top = 20
              Width = 100
              Height = 21
              Caption = '8bit'
              TabOrder = 0
            end
            object rb10bit: TcxRadioButton
              Left = 12
              Top = 42
              Width = 100
              Height = 21
              Caption = '10bit'
              TabOrder = 1
            end
            object btnRTDo: TcxButton
              Left = 12
              Top = 66
              Width = 100
              Height = 24
              Caption = '应用'
              TabOrder = 2
            end
          end
          object Button3: TcxButton
            Left = 400
            Top = 8
            Width = 110
            Height = 24
            Caption = '软件版本'
            TabOrder = 3
          end
          object BitBtn7: TcxButton
            Left = 400
            Top = 36
            Width = 110
            Height = 24
            Caption = '手动调试'
            TabOrder = 4
            OnClick = BitBtn7Click
          end
          object CheckBox4: TcxCheckBox
            Left = 400
            Top = 62
            Width = 170
            Height = 21
            Caption = '矩阵浏览开启'
            TabOrder = 5
          end
          object CheckBox5: TcxCheckBox
            Left = 400
            Top = 82
            Width = 170
            Height = 21
            Caption = '预案浏览开启'
            TabOrder = 6
          end
        end
        object tsUpgrade: TcxTabSheet
          Caption = '软件更新'
          object Button5: TcxButton
            Left = 16
            Top = 16
            Width = 120
            Height = 32
            Caption = '程序升级'
            TabOrder = 0
          end
        end
        object tsDigital: TcxTabSheet
          Caption = '数字模式'
          TabVisible = False
          object btnDV: TcxButton
            Left = 16
            Top = 16
            Width = 120
            Height = 32
            Caption = 'DVD模式'
            TabOrder = 0
          end
          object btnPC: TcxButton
            Left = 148
            Top = 16
            Width = 120
            Height = 32
            Caption = 'PC模式'
            TabOrder = 1
          end
        end
        object tsAddress: TcxTabSheet
          Caption = '地址设置'
          object cxlbl1: TcxLabel
            Left = 8
            Top = 12
            Caption = '输入序列号：'
            Transparent = True
          end
          object cxtxtdt1: TcxTextEdit
            Left = 104
            Top = 10
            Width = 100
            Height = 21
            Text = ''
          end
          object btnGetAddress: TcxButton
            Left = 216
            Top = 8
            Width = 100
            Height = 25
            Caption = '获取序列号'
            TabOrder = 1
          end
          object BitbShowAddress: TcxButton
            Left = 344
            Top = 8
            Width = 100
            Height = 25
            Caption = '显示地址'
            TabOrder = 2
          end
          object cxlbl2: TcxLabel
            Left = 8
            Top = 46
            Caption = '输入地址：'
            Transparent = True
          end
          object lblRow: TcxLabel
            Left = 104
            Top = 46
            Caption = '行：'
            Transparent = True
          end
          object edtRow: TcxTextEdit
            Left = 134
            Top = 44
            Width = 40
            Height = 21
            Text = ''
          end
          object lblCol: TcxLabel
            Left = 184
            Top = 46
            Caption = '列：'
            Transparent = True
          end
          object edtCol: TcxTextEdit
            Left = 214
            Top = 44
            Width = 40
            Height = 21
            Text = ''
          end
          object btnSetAddr: TcxButton
            Left = 268
            Top = 42
            Width = 100
            Height = 25
            Caption = '设置地址'
            TabOrder = 5
          end
          object btnLock: TcxButton
            Left = 8
            Top = 76
            Width = 100
            Height = 25
            Caption = '锁定地址'
            TabOrder = 6
          end
          object btnRefresh: TcxButton
            Left = 116
            Top = 76
            Width = 100
            Height = 25
            Caption = '解锁地址'
            TabOrder = 7
          end
        end
        object tsMatrixView: TcxTabSheet
          Caption = '矩阵浏览'
          TabVisible = False
          object LabeledEdit6: TLabeledEdit
            Left = 8
            Top = 22
            Width = 130
            Height = 21
            EditLabel.Caption = '矩阵输入起始端口'
            TabOrder = 0
            Text = '05'
          end
          object LabeledEdit3: TLabeledEdit
            Left = 146
            Top = 22
            Width = 130
            Height = 21
            EditLabel.Caption = '矩阵输入终止端口'
            TabOrder = 1
            Text = '01'
          end
          object LabeledEdit4: TLabeledEdit
            Left = 284
            Top = 22
            Width = 130
            Height = 21
            EditLabel.Caption = '切换间隔时间（S）'
            TabOrder = 2
            Text = '01'
          end
          object LabeledEdit5: TLabeledEdit
            Left = 8
            Top = 70
            Width = 130
            Height = 21
            EditLabel.Caption = '矩阵输出起始端口'
            TabOrder = 3
            Text = '01'
          end
          object LabeledEdit11: TLabeledEdit
            Left = 146
            Top = 70
            Width = 130
            Height = 21
            EditLabel.Caption = '矩阵输出终止端口'
            TabOrder = 4
            Text = '02'
          end
          object BitBtn9: TcxButton
            Left = 430
            Top = 22
            Width = 110
            Height = 32
            Caption = '信号浏览'
            TabOrder = 5
          end
        end
        object tsSceneView: TcxTabSheet
          Caption = '预案浏览'
          TabVisible = False
          object LabeledEdit8: TLabeledEdit
            Left = 8
            Top = 22
            Width = 130
            Height = 21
            EditLabel.Caption = '起始预案'
            TabOrder = 0
            Text = '01'
          end
          object LabeledEdit9: TLabeledEdit
            Left = 146
            Top = 22
            Width = 130
            Height = 21
            EditLabel.Caption = '终止预案'
            TabOrder = 1
            Text = '05'
          end
          object LabeledEdit7: TLabeledEdit
            Left = 284
            Top = 22
            Width = 130
            Height = 21
            EditLabel.Caption = '切换间隔时间（S）'
            TabOrder = 2
            Text = '10'
          end
          object BitBtn15: TcxButton
            Left = 430
            Top = 22
            Width = 110
            Height = 32
            Caption = '预案浏览'
            TabOrder = 3
          end
        end
        object tsAging: TcxTabSheet
          Caption = '老化模式'
          object rbOpenAM: TcxRadioButton
            Left = 16
            Top = 16
            Width = 80
            Height = 21
            Caption = '开启'
            TabOrder = 0
          end
          object rbCloseAM: TcxRadioButton
            Left = 104
            Top = 16
            Width = 80
            Height = 21
            Caption = '关闭'
            TabOrder = 1
            Checked = True
          end
        end
        object tsLogo: TcxTabSheet
          Caption = 'LOGO开关'
          object rbOpenLogo: TcxRadioButton
            Left = 16
            Top = 10
            Width = 80
            Height = 21
            Caption = '开启'
            TabOrder = 0
          end
          object rbCloseLogo: TcxRadioButton
            Left = 104
            Top = 10
            Width = 80
            Height = 21
            Caption = '关闭'
            TabOrder = 1
            Checked = True
          end
          object GroupBox10: TcxGroupBox
            Left = 8
            Top = 38
            Width = 262
            Height = 62
            TabOrder = 2
            Caption = '开机LOGO模式'
            object cxButton3: TcxButton
              Left = 12
              Top = 24
              Width = 112
              Height = 28
              Caption = '拼接模式'
              TabOrder = 0
            end
            object cxButton4: TcxButton
              Left = 136
              Top = 24
              Width = 112
              Height = 28
              Caption = '单显模式'
              TabOrder = 1
            end
          end
        end
        object tsAMD: TcxTabSheet
          Caption = 'AMD修正'
          object GroupBox11: TcxGroupBox
            Left = 8
            Top = 8
            Width = 262
            Height = 62
            TabOrder = 0
            Caption = '显卡类型'
            object cxButton1: TcxButton
              Left = 12
              Top = 24
              Width = 112
              Height = 28
              Caption = 'AMD'
              TabOrder = 0
            end
            object cxButton2: TcxButton
              Left = 136
              Top = 24
              Width = 112
              Height = 28
              Caption = '普通'
              TabOrder = 1
            end
          end
        end
        object tsSceneSwitch: TcxTabSheet
          Caption = '预案开关'
          object CheckBoxS1: TcxCheckBox
            Left = 8
            Top = 6
            Width = 40
            Height = 21
            Caption = '1'
            TabOrder = 0
          end
          object lbledtS1: TLabeledEdit
            Left = 94
            Top = 6
            Width = 36
            Height = 21
            EditLabel.Caption = '预案'
            LabelPosition = lpLeft
            TabOrder = 1
            Text = ''
          end
          object lbledtT1: TLabeledEdit
            Left = 180
            Top = 6
            Width = 30
            Height = 21
            EditLabel.Caption = '时间'
            LabelPosition = lpLeft
            TabOrder = 2
            Text = ''
          end
          object edtM1: TcxTextEdit
            Left = 216
            Top = 6
            Width = 30
            Height = 21
            Text = ''
          end
          object CheckBoxS2: TcxCheckBox
            Left = 8
            Top = 32
            Width = 40
            Height = 21
            Caption = '2'
            TabOrder = 4
          end
          object lbledtS2: TLabeledEdit
            Left = 94
            Top = 32
            Width = 36
            Height = 21
            EditLabel.Caption = '预案'
            LabelPosition = lpLeft
            TabOrder = 5
            Text = ''
          end
          object lbledtT2: TLabeledEdit
            Left = 180
            Top = 32
            Width = 30
            Height = 21
            EditLabel.Caption = '时间'
            LabelPosition = lpLeft
            TabOrder = 6
            Text = ''
          end
          object edtM2: TcxTextEdit
            Left = 216
            Top = 32
            Width = 30
            Height = 21
            Text = ''
          end
          object CheckBoxS3: TcxCheckBox
            Left = 8
            Top = 58
            Width = 40
            Height = 21
            Caption = '3'
            TabOrder = 8
          end
          object lbledtS3: TLabeledEdit
            Left = 94
            Top = 58
            Width = 36
            Height = 21
            EditLabel.Caption = '预案'
            LabelPosition = lpLeft
            TabOrder = 9
            Text = ''
          end
          object lbledtT3: TLabeledEdit
            Left = 180
            Top = 58
            Width = 30
            Height = 21
            EditLabel.Caption = '时间'
            LabelPosition = lpLeft
            TabOrder = 10
            Text = ''
          end
          object edtM3: TcxTextEdit
            Left = 216
            Top = 58
            Width = 30
            Height = 21
            Text = ''
          end
          object CheckBoxS4: TcxCheckBox
            Left = 8
            Top = 84
            Width = 40
            Height = 21
            Caption = '4'
            TabOrder = 12
          end
          object lbledtS4: TLabeledEdit
            Left = 94
            Top = 84
            Width = 36
            Height = 21
            EditLabel.Caption = '预案'
            LabelPosition = lpLeft
            TabOrder = 13
            Text = ''
          end
          object lbledtT4: TLabeledEdit
            Left = 180
            Top = 84
            Width = 30
            Height = 21
            EditLabel.Caption = '时间'
            LabelPosition = lpLeft
            TabOrder = 14
            Text = ''
          end
          object edtM4: TcxTextEdit
            Left = 216
            Top = 84
            Width = 30
            Height = 21
            Text = ''
          end
          object CheckBoxS5: TcxCheckBox
            Left = 294
            Top = 6
            Width = 40
            Height = 21
            Caption = '5'
            TabOrder = 16
          end
          object lbledtS5: TLabeledEdit
            Left = 380
            Top = 6
            Width = 36
            Height = 21
            EditLabel.Caption = '预案'
            LabelPosition = lpLeft
            TabOrder = 17
            Text = ''
          end
          object lbledtT5: TLabeledEdit
            Left = 466
            Top = 6
            Width = 30
            Height = 21
            EditLabel.Caption = '时间'
            LabelPosition = lpLeft
            TabOrder = 18
            Text = ''
          end
          object edtM5: TcxTextEdit
            Left = 502
            Top = 6
            Width = 30
            Height = 21
            Text = ''
          end
          object CheckBoxS6: TcxCheckBox
            Left = 294
            Top = 32
            Width = 40
            Height = 21
            Caption = '6'
            TabOrder = 20
          end
          object lbledtS6: TLabeledEdit
            Left = 380
            Top = 32
            Width = 36
            Height = 21
            EditLabel.Caption = '预案'
            LabelPosition = lpLeft
            TabOrder = 21
            Text = ''
          end
          object lbledtT6: TLabeledEdit
            Left = 466
            Top = 32
            Width = 30
            Height = 21
            EditLabel.Caption = '时间'
            LabelPosition = lpLeft
            TabOrder = 22
            Text = ''
          end
          object edtM6: TcxTextEdit
            Left = 502
            Top = 32
            Width = 30
            Height = 21
            Text = ''
          end
          object CheckBoxS7: TcxCheckBox
            Left = 294
            Top = 58
            Width = 40
            Height = 21
            Caption = '7'
            TabOrder = 24
          end
          object lbledtS7: TLabeledEdit
            Left = 380
            Top = 58
            Width = 36
            Height = 21
            EditLabel.Caption = '预案'
            LabelPosition = lpLeft
            TabOrder = 25
            Text = ''
          end
          object lbledtT7: TLabeledEdit
            Left = 466
            Top = 58
            Width = 30
            Height = 21
            EditLabel.Caption = '时间'
            LabelPosition = lpLeft
            TabOrder = 26
            Text = ''
          end
          object edtM7: TcxTextEdit
            Left = 502
            Top = 58
            Width = 30
            Height = 21
            Text = ''
          end
          object CheckBoxS8: TcxCheckBox
            Left = 294
            Top = 84
            Width = 40
            Height = 21
            Caption = '8'
            TabOrder = 28
          end
          object lbledtS8: TLabeledEdit
            Left = 380
            Top = 84
            Width = 36
            Height = 21
            EditLabel.Caption = '预案'
            LabelPosition = lpLeft
            TabOrder = 29
            Text = ''
          end
          object lbledtT8: TLabeledEdit
            Left = 466
            Top = 84
            Width = 30
            Height = 21
            EditLabel.Caption = '时间'
            LabelPosition = lpLeft
            TabOrder = 30
            Text = ''
          end
          object edtM8: TcxTextEdit
            Left = 502
            Top = 84
            Width = 30
            Height = 21
            Text = ''
          end
        end
      end
    end
  end
  object Panel2: TPanel
    Left = 775
    Top = 173
    Width = 223
    Height = 360
    Align = alRight
    BevelOuter = bvNone
    Color = clSkyBlue
    ParentBackground = False
    TabOrder = 2
    object GroupBox2: TcxGroupBox
      Left = 0
      Top = 0
      Align = alTop
      Height = 150
      TabOrder = 0
      Caption = '信号选择'
      object Label1: TcxLabel
        Left = 10
        Top = 24
        Caption = '信号类型'
        Transparent = True
      end
      object ComboBox4: TcxComboBox
        Left = 96
        Top = 22
        Width = 117
        Height = 21
        Properties.Items.Strings = (
          'VIDEO'
          'VGA'
          'DVI'
          'HDMI'
          'SDI'
          'YUV'
          'VIDEO2')
        Properties.DropDownListStyle = lsFixedList
        Properties.OnChange = ComboBox4Change
        TabOrder = 0
        Text = 'VIDEO'
      end
      object Label2: TcxLabel
        Left = 10
        Top = 52
        Caption = '矩阵输入通道'
        Transparent = True
        Enabled = False
      end
      object ComboBox8: TcxComboBox
        Left = 96
        Top = 50
        Width = 117
        Height = 21
        Properties.DropDownListStyle = lsFixedList
        Enabled = False
        TabOrder = 1
        Text = '1'
      end
      object ComboBox2: TcxComboBox
        Left = 96
        Top = 50
        Width = 117
        Height = 21
        Properties.DropDownListStyle = lsFixedList
        Enabled = False
        Visible = False
        TabOrder = 2
        Text = '1'
      end
      object CheckBox3: TcxCheckBox
        Left = 10
        Top = 80
        Width = 82
        Height = 21
        Caption = '矩阵联动'
        TabOrder = 3
        OnClick = CheckBox3Click
      end
      object GroupBox5: TcxGroupBox
        Left = 96
        Top = 72
        Width = 117
        Height = 38
        Visible = False
        TabOrder = 4
        Caption = '矩阵型号'
        object Label7: TcxLabel
          Left = 8
          Top = 16
          Caption = ''
          Transparent = True
        end
      end
      object BitBtn8: TcxButton
        Left = 10
        Top = 114
        Width = 96
        Height = 28
        Caption = '拼接'
        TabOrder = 5
        OnClick = BitBtn8Click
      end
      object BitBtn10: TcxButton
        Left = 117
        Top = 114
        Width = 96
        Height = 28
        Caption = '单显'
        TabOrder = 6
        OnClick = BitBtn10Click
      end
    end
    object GroupBox3: TcxGroupBox
      Left = 0
      Top = 150
      Align = alClient
      TabOrder = 1
      Caption = '场景管理'
      object ComboBox3: TcxComboBox
        Left = 10
        Top = 22
        Width = 203
        Height = 21
        Properties.DropDownListStyle = lsFixedList
        TabOrder = 0
      end
      object BitBtn12: TcxButton
        Left = 10
        Top = 50
        Width = 96
        Height = 26
        Caption = '保存预案'
        TabOrder = 1
      end
      object BitBtn13: TcxButton
        Left = 117
        Top = 50
        Width = 96
        Height = 26
        Caption = '调入预案'
        TabOrder = 2
      end
      object Button2: TcxButton
        Left = 10
        Top = 82
        Width = 96
        Height = 26
        Caption = '更改名称 '
        TabOrder = 3
      end
      object Button4: TcxButton
        Left = 117
        Top = 82
        Width = 96
        Height = 26
        Caption = '迷你面板'
        TabOrder = 4
      end
      object ComboBox1: TcxComboBox
        Left = 10
        Top = 22
        Width = 203
        Height = 21
        Properties.Items.Strings = (
          'VIDEO'
          'VGA'
          'DVI'
          'HDMI'
          'SDI'
          'YUV'
          'VIDEO2')
        Properties.DropDownListStyle = lsFixedList
        Visible = False
        TabOrder = 5
        Text = 'VIDEO'
      end
    end
    object GroupBox4: TcxGroupBox
      Left = 0
      Top = 270
      Align = alBottom
      Height = 90
      TabOrder = 2
      Caption = '电源开关'
      object CheckBox1: TcxCheckBox
        Left = 10
        Top = 22
        Width = 96
        Height = 21
        Caption = '延迟开机'
        TabOrder = 0
      end
      object LabeledEdit10: TLabeledEdit
        Left = 117
        Top = 22
        Width = 60
        Height = 21
        EditLabel.Caption = '秒'
        LabelPosition = lpRight
        TabOrder = 1
        Text = '1'
      end
      object BitBtn5: TcxButton
        Left = 10
        Top = 52
        Width = 96
        Height = 28
        Caption = '开机'
        TabOrder = 2
      end
      object BitBtn6: TcxButton
        Left = 117
        Top = 52
        Width = 96
        Height = 28
        Caption = '待机'
        TabOrder = 3
      end
    end
  end
  object Panel1: TcxGroupBox
    Left = 0
    Top = 173
    Align = alClient
    PanelStyle.Active = True
    Caption = ''
    TabOrder = 1
    object stringgrid1: TStringGrid
      Left = 2
      Top = 2
      Align = alClient
      BorderStyle = bsNone
      Color = clCream
      ColCount = 4
      Cursor = crHandPoint
      FixedColor = clMedGray
      RowCount = 4
      PopupMenu = PopupMenu1
      ScrollBars = ssNone
      TabOrder = 0
      OnSelectCell = stringgrid1SelectCell
    end
  end
  object MainMenu1: TMainMenu
    object mnuFile: TMenuItem
      Caption = '文件'
      object mnuAdmin: TMenuItem
        Caption = '管理员'
        OnClick = BitBtn3Click
      end
      object mnuExit: TMenuItem
        Caption = '退出'
      end
    end
    object mnuSetting: TMenuItem
      Caption = '系统配置'
      object mnuComSetting: TMenuItem
        Caption = '通讯设置'
      end
      object mnuSystemConfig: TMenuItem
        Caption = '系统配置'
      end
      object mnuVideoAdjust: TMenuItem
        Caption = '图像调整'
      end
    end
    object mnuHelp: TMenuItem
      Caption = '帮助'
      object mnuLanguage: TMenuItem
        Caption = '语言| English'
      end
      object mnuAbout: TMenuItem
        Caption = '关于'
        OnClick = BitBtn4Click
      end
      object mnuDebug: TMenuItem
        Caption = '手动调试'
        OnClick = BitBtn7Click
      end
    end
  end
  object PopupMenu1: TPopupMenu
    object nStill: TMenuItem
      Caption = '画面静止'
    end
    object N7: TMenuItem
      Caption = '图像调整'
      Hint = '需管理员权限'
    end
    object N8: TMenuItem
      Caption = '本机保存'
    end
    object N12: TMenuItem
      Caption = '边缘融合'
    end
    object N9: TMenuItem
      Caption = '信号模式'
      object N10: TMenuItem
        Caption = '无信号黑屏'
      end
      object N11: TMenuItem
        Caption = '无信号蓝屏'
      end
    end
    object N15: TMenuItem
      Caption = '异型调节'
    end
    object N16: TMenuItem
      Caption = '老化模式'
      object N19: TMenuItem
        Caption = '模式打开'
      end
      object N20: TMenuItem
        Caption = '模式关闭'
      end
    end
    object N17: TMenuItem
      Caption = '翻转模式'
      object N21: TMenuItem
        Caption = '图像正显'
      end
      object N22: TMenuItem
        Caption = '图像倒显'
      end
    end
    object N18: TMenuItem
      Caption = '程序升级'
    end
  end
  object Comm1: TComm
    BaudRate = 9600
  end
  object Comm2: TComm
    BaudRate = 9600
  end
  object Comm3: TComm
    BaudRate = 9600
  end
  object socketClient: TTcpClient
  end
  object Timer1: TTimer
  end
  object tmrTimingSet: TTimer
    Enabled = False
    Interval = 3000
  end
  object tmrSceneSwitch: TTimer
    Enabled = False
    Interval = 3000
  end
  object ColorDialog1: TColorDialog
  end
  object dxskncntrlrSkin: TdxSkinController
    SkinName = 'Foggy'
  end
end
