object Form2: TForm2
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = '通讯配置'
  ClientHeight = 410
  ClientWidth = 452
  Position = poScreenCenter
  OnShow = FormShow
  object GroupBox1: TcxGroupBox
    Left = 8
    Top = 8
    Width = 436
    Height = 52
    Caption = '连接方式'
    TabOrder = 0
    object rbSerial: TcxRadioButton
      Left = 16
      Top = 22
      Width = 140
      Height = 21
      Caption = #127'串口'
      Checked = True
      TabOrder = 0
      TabStop = True
      OnClick = rbSerialClick
    end
    object rbRemote: TcxRadioButton
      Left = 176
      Top = 22
      Width = 140
      Height = 21
      Caption = '无线网络'
      TabOrder = 1
      OnClick = rbRemoteClick
    end
  end
  object GroupBox2: TcxGroupBox
    Left = 8
    Top = 68
    Width = 436
    Height = 233
    Caption = '串口设置'
    TabOrder = 1
    object GroupBox3: TcxGroupBox
      Left = 12
      Top = 22
      Width = 412
      Height = 52
      Caption = '拼接设备控制端口'
      TabOrder = 0
      object Label1: TLabel
        Left = 12
        Top = 25
        Caption = '端口号:'
      end
      object ComboBox1: TcxComboBox
        Left = 96
        Top = 21
        Width = 100
        Height = 21
        Properties.Items.Strings = (
          'COM1'
          'COM2'
          'COM3'
          'COM4'
          'COM5'
          'COM6'
          'COM7'
          'COM8'
          'COM9'
          'COM10'
          'COM11'
          'COM12'
          'COM13'
          'COM14'
          'COM15'
          'COM16')
        TabOrder = 0
        Text = 'COM1'
      end
    end
    object GroupBox4: TcxGroupBox
      Left = 12
      Top = 80
      Width = 412
      Height = 52
      Caption = '视频矩阵控制端口'
      TabOrder = 1
      object Label2: TLabel
        Left = 12
        Top = 25
        Caption = '端口号:'
      end
      object ComboBox2: TcxComboBox
        Left = 96
        Top = 21
        Width = 100
        Height = 21
        Properties.Items.Strings = (
          'COM1'
          'COM2'
          'COM3'
          'COM4'
          'COM5'
          'COM6'
          'COM7'
          'COM8'
          'COM9'
          'COM10'
          'COM11'
          'COM12'
          'COM13'
          'COM14'
          'COM15'
          'COM16')
        TabOrder = 0
        Text = 'COM1'
      end
      object CheckBox2: TcxCheckBox
        Left = 224
        Top = 21
        Width = 176
        Height = 21
        Caption = '矩阵联动'
        TabOrder = 1
      end
    end
    object GroupBox5: TcxGroupBox
      Left = 12
      Top = 138
      Width = 412
      Height = 52
      Caption = 'RGB/VGA/DVI矩阵控制端口'
      TabOrder = 2
      object Label3: TLabel
        Left = 12
        Top = 25
        Caption = '端口号:'
      end
      object ComboBox3: TcxComboBox
        Left = 96
        Top = 21
        Width = 100
        Height = 21
        Properties.Items.Strings = (
          'COM1'
          'COM2'
          'COM3'
          'COM4'
          'COM5'
          'COM6'
          'COM7'
          'COM8'
          'COM9'
          'COM10'
          'COM11'
          'COM12'
          'COM13'
          'COM14'
          'COM15'
          'COM16')
        TabOrder = 0
        Text = 'COM1'
      end
      object CheckBox3: TcxCheckBox
        Left = 224
        Top = 21
        Width = 176
        Height = 21
        Caption = '矩阵联动'
        TabOrder = 1
      end
    end
    object btnRefresh: TcxButton
      Left = 344
      Top = 198
      Width = 80
      Height = 25
      Caption = '刷新'
      TabOrder = 3
      OnClick = btnRefreshClick
    end
  end
  object GroupBox6: TcxGroupBox
    Left = 8
    Top = 309
    Width = 436
    Height = 56
    Caption = '无线设置'
    TabOrder = 2
    object Label4: TLabel
      Left = 16
      Top = 27
      Caption = 'IP地址：'
    end
    object EditIP: TEdit
      Left = 96
      Top = 23
      Width = 130
      Height = 21
      TabOrder = 0
    end
    object Label5: TLabel
      Left = 248
      Top = 27
      Caption = '端口：'
    end
    object EditPort: TEdit
      Left = 304
      Top = 23
      Width = 80
      Height = 21
      TabOrder = 1
    end
  end
  object CheckBox1: TcxCheckBox
    Left = 8
    Top = 378
    Width = 240
    Height = 21
    Caption = '启动软件自动连接串口'
    TabOrder = 3
  end
  object Button1: TcxButton
    Left = 276
    Top = 377
    Width = 80
    Height = 25
    Caption = '确定'
    Default = True
    TabOrder = 4
    OnClick = Button1Click
  end
  object Button2: TcxButton
    Left = 364
    Top = 377
    Width = 80
    Height = 25
    Cancel = True
    Caption = '取消'
    TabOrder = 5
    OnClick = Button2Click
  end
end
