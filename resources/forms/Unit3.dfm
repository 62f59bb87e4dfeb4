object Form3: TForm3
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = '矩阵配置'
  ClientHeight = 469
  ClientWidth = 706
  Position = poScreenCenter
  OnShow = FormShow
  object GroupBox1: TcxGroupBox
    Left = 8
    Top = 8
    Width = 352
    Height = 420
    TabOrder = 0
    object GroupBox2: TcxGroupBox
      Left = 10
      Top = 22
      Width = 332
      Height = 170
      Caption = '矩阵厂家选择'
      TabOrder = 0
      object Label1: TLabel
        Left = 14
        Top = 27
        Caption = '视频矩阵: '
      end
      object ComboBox3: TcxComboBox
        Left = 140
        Top = 24
        Width = 176
        Height = 21
        Properties.DropDownListStyle = lsFixedList
        Properties.DropDownRows = 16
        Properties.Items.Strings = (
          'VINET'
          'PELCO'
          'ACV'
          'Infinova'
          'Samplex'
          'shenshiyin'
          'AV01'
          'AV02'
          'AV03'
          'AV04'
          'PEARMAIN'
          'BAXALL'
          'TIANDY'
          'VMW-JCAV'
          'AV05'
          'GALAXY'
          'XM-AV'
          'flowvia'
          'pangu'
          'BTRAN-888'
          'ODT'
          'LANMA'
          'AE'
          'PG_MUL'
          'PEARMAIN2'
          'AV06'
          'SYS'
          'CREATEK'
          'ANTAI'
          'ANTAI2'
          'AV07'
          'ANTECE'
          'AV09')
        Properties.OnChange = ComboBox6Change
        TabOrder = 0
      end
      object Label2: TLabel
        Left = 14
        Top = 55
        Caption = 'VGA 矩阵：'
      end
      object ComboBox4: TcxComboBox
        Left = 140
        Top = 52
        Width = 176
        Height = 21
        Properties.DropDownListStyle = lsFixedList
        Properties.DropDownRows = 16
        Properties.Items.Strings = (
          'CREATEK'
          'Samplex'
          'VGA01'
          'VGA02'
          'Triolion'
          'CK-VGA'
          'VGA03'
          'VGA04'
          'VMW-JCVGA'
          'VGA05'
          'XM-VGA'
          'flowvia'
          'MK'
          'SISO'
          'AE-VGA'
          'CHUANGGAO'
          'ODT'
          'YJ_VGA'
          'PC-VGA'
          'btran-888'
          'VGA3'
          'PG_MUL'
          'ANTAI'
          'CZ-VGA'
          'LANMA'
          'VGA06'
          'VGA07'
          'VGA08'
          'VGA09'
          'VGA10'
          'VGA11'
          'VGA12'
          'VGA13'
          'SISO-02'
          'WDK-VGA'
          'PEARMAIN'
          'ANTAI2'
          'ANTAI3'
          'VGA14'
          'TMX-VGA'
          'ANTECE')
        Properties.OnChange = ComboBox6Change
        TabOrder = 1
      end
      object Label3: TLabel
        Left = 14
        Top = 83
        Caption = 'DVI矩阵：'
      end
      object ComboBox5: TcxComboBox
        Left = 140
        Top = 80
        Width = 176
        Height = 21
        Properties.DropDownListStyle = lsFixedList
        Properties.DropDownRows = 16
        Properties.Items.Strings = (
          'CZ-VGA'
          'CZ-DVI'
          'JC-DVI'
          'CREATEK'
          'SISO'
          'YJ'
          'BTRAN-888'
          'BTRAN-111'
          'PG_MUL'
          'LANMA'
          'CREATEK'
          'DVI01'
          'DVI02'
          'DVI03'
          'SDVI0808'
          'ANTAI'
          'DVI04'
          'DVI05'
          'ANTECE')
        Properties.OnChange = ComboBox6Change
        TabOrder = 2
      end
      object Label4: TLabel
        Left = 14
        Top = 111
        Caption = 'HDMI矩阵：'
      end
      object ComboBox7: TcxComboBox
        Left = 140
        Top = 108
        Width = 176
        Height = 21
        Properties.DropDownListStyle = lsFixedList
        Properties.DropDownRows = 16
        Properties.Items.Strings = (
          'CZ-VGA'
          'CZ-DVI'
          'JC-DVI'
          'CREATEK'
          'SISO'
          'BTRAN-888'
          'ODT'
          'PG_MUL'
          'LANMA'
          'HDMI01'
          'HDMI02'
          'ANTAI'
          'BAK'
          'JVZHEN'
          'HDMI03'
          'SDVI0808'
          'HDMI04'
          'HDMI05'
          'HDMI06'
          'HDMI07'
          'HDMI08'
          'HDMI09'
          'HDMI10'
          'ANTAI2'
          'HDMI11'
          'HDMI12'
          'ANTECE'
          'ITC')
        Properties.OnChange = ComboBox6Change
        TabOrder = 3
      end
      object Label5: TLabel
        Left = 14
        Top = 139
        Caption = 'SDI矩阵：'
      end
      object ComboBox8: TcxComboBox
        Left = 140
        Top = 136
        Width = 176
        Height = 21
        Properties.DropDownListStyle = lsFixedList
        Properties.DropDownRows = 16
        Properties.Items.Strings = (
          'CZ-VGA'
          'CZ-DVI'
          '')
        Properties.OnChange = ComboBox6Change
        TabOrder = 4
      end
    end
    object GroupBox3: TcxGroupBox
      Left = 10
      Top = 200
      Width = 332
      Height = 210
      Caption = '高级设置'
      TabOrder = 1
      object PageControl1: TcxPageControl
        Left = 10
        Top = 22
        Width = 312
        Height = 178
        ActivePage = TabSheet1
        object TabSheet1: TcxTabSheet
          Caption = '矩阵地址'
          object LabeledEdit1: TLabeledEdit
            Left = 150
            Top = 14
            Width = 120
            Height = 21
            EditLabel.Caption = '视频矩阵ID      '
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 0
            Text = '00'
          end
          object LabeledEdit2: TLabeledEdit
            Left = 150
            Top = 44
            Width = 120
            Height = 21
            EditLabel.Caption = 'VGA矩阵ID      '
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 1
            Text = '01'
          end
          object LabeledEdit3: TLabeledEdit
            Left = 150
            Top = 74
            Width = 120
            Height = 21
            EditLabel.Caption = 'DVI矩阵ID      '
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 2
            Text = '01'
          end
          object LabeledEdit6: TLabeledEdit
            Left = 150
            Top = 104
            Width = 120
            Height = 21
            EditLabel.Caption = 'HDMI矩阵ID      '
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 3
            Text = '01'
          end
        end
        object TabSheet2: TcxTabSheet
          Caption = '响应时间'
          object LabeledEdit4: TLabeledEdit
            Left = 150
            Top = 14
            Width = 120
            Height = 21
            EditLabel.Caption = '响应时间       '
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 0
            Text = '100'
          end
          object LabeledEdit5: TLabeledEdit
            Left = 150
            Top = 44
            Width = 120
            Height = 21
            EditLabel.Caption = '间隔时间         '
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 1
            Text = '100'
          end
          object RadioGroup1: TcxRadioGroup
            Left = 12
            Top = 76
            Width = 282
            Height = 58
            Caption = '指令发送顺序'
            ItemIndex = 0
            Properties.Columns = 2
            Properties.Items = <
              item
                Caption = '屏幕优先'
              end
              item
                Caption = '矩阵优先'
              end>
            TabOrder = 2
          end
        end
        object TabSheet3: TcxTabSheet
          Caption = '起始地址'
          TabVisible = False
          object Label9: TLabel
            Left = 14
            Top = 17
            Caption = '矩阵输出起始端口'
            Transparent = True
          end
          object MaskEdit1: TMaskEdit
            Left = 150
            Top = 14
            Width = 120
            Height = 21
            TabOrder = 0
            Text = '1'
          end
          object Label10: TLabel
            Left = 14
            Top = 47
            Caption = '矩阵输入起始端口'
            Transparent = True
          end
          object MaskEdit2: TMaskEdit
            Left = 150
            Top = 44
            Width = 120
            Height = 21
            TabOrder = 1
            Text = '1'
          end
          object Label8: TLabel
            Left = 14
            Top = 80
            Caption = '适用：SAMPLEX 和 Infinova           '
            Transparent = True
          end
        end
        object TabSheet4: TcxTabSheet
          Caption = '矩阵输入路数选择'
          object lbledtVideoIPort: TLabeledEdit
            Left = 150
            Top = 14
            Width = 120
            Height = 21
            EditLabel.Caption = '视频矩阵 '
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 0
            Text = '255'
          end
          object lbledtVGAIPort: TLabeledEdit
            Left = 150
            Top = 44
            Width = 120
            Height = 21
            EditLabel.Caption = 'VGA矩阵'
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 1
            Text = '255'
          end
          object lbledtDVIIPort: TLabeledEdit
            Left = 150
            Top = 74
            Width = 120
            Height = 21
            EditLabel.Caption = 'DVI矩阵   '
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 2
            Text = '255'
          end
          object lbledtHDMIIPort: TLabeledEdit
            Left = 150
            Top = 104
            Width = 120
            Height = 21
            EditLabel.Caption = 'HDMI矩阵'
            EditLabel.Transparent = True
            LabelPosition = lpLeft
            TabOrder = 3
            Text = '255'
          end
        end
      end
    end
  end
  object GroupBox4: TcxGroupBox
    Left = 368
    Top = 8
    Width = 330
    Height = 420
    Caption = '矩阵输出到拼接器连接示意图'
    TabOrder = 1
    object Label6: TLabel
      Left = 14
      Top = 27
      Caption = '矩阵类型：  '
    end
    object ComboBox6: TcxComboBox
      Left = 96
      Top = 24
      Width = 90
      Height = 21
      Properties.DropDownListStyle = lsFixedList
      Properties.DropDownRows = 16
      Properties.Items.Strings = (
        'AV'
        'VGA'
        'DVI')
      Properties.OnChange = ComboBox6Change
      TabOrder = 0
      Text = 'AV'
    end
    object BitBtn1: TcxButton
      Left = 206
      Top = 22
      Width = 110
      Height = 25
      Caption = '一对一接法'
      TabOrder = 1
      OnClick = BitBtn1Click
    end
    object CheckBox1: TcxCheckBox
      Left = 12
      Top = 56
      Width = 220
      Height = 21
      Caption = 'AV手动配置接法'
      TabOrder = 2
      OnClick = CheckBox1Click
    end
    object CheckBox2: TcxCheckBox
      Left = 12
      Top = 56
      Width = 220
      Height = 21
      Caption = 'VGA手动配置接法 '
      TabOrder = 3
      Visible = False
      OnClick = CheckBox2Click
    end
    object CheckBox3: TcxCheckBox
      Left = 12
      Top = 56
      Width = 220
      Height = 21
      Caption = 'DVI手动配置接法'
      TabOrder = 4
      Visible = False
      OnClick = CheckBox3Click
    end
    object StringGrid1: TStringGrid
      Left = 14
      Top = 86
      Width = 72
      Height = 72
      ColCount = 3
      DefaultColWidth = 18
      DefaultRowHeight = 18
      FixedCols = 0
      RowCount = 3
      FixedRows = 0
      Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
      ScrollBars = ssNone
      TabOrder = 5
    end
    object StringGrid2: TStringGrid
      Left = 14
      Top = 86
      Width = 72
      Height = 72
      ColCount = 3
      DefaultColWidth = 18
      DefaultRowHeight = 18
      FixedCols = 0
      RowCount = 3
      FixedRows = 0
      Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
      ScrollBars = ssNone
      TabOrder = 6
      Visible = False
    end
    object StringGrid3: TStringGrid
      Left = 14
      Top = 86
      Width = 72
      Height = 72
      ColCount = 3
      DefaultColWidth = 18
      DefaultRowHeight = 18
      FixedCols = 0
      RowCount = 3
      FixedRows = 0
      Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
      ScrollBars = ssNone
      TabOrder = 7
      Visible = False
    end
    object Label7: TLabel
      Left = 14
      Top = 380
      Caption = '手动配置：从1开始，0为空。手动配置必须为数字。'
    end
  end
  object Button5: TcxButton
    Left = 518
    Top = 436
    Width = 86
    Height = 25
    Caption = '确定'
    TabOrder = 2
    OnClick = Button4Click
  end
  object Button6: TcxButton
    Left = 612
    Top = 436
    Width = 86
    Height = 25
    Caption = '关闭'
    TabOrder = 3
    OnClick = Button1Click
  end
end
