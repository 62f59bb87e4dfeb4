object form13: Tform13
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Form13'
  ClientHeight = 334
  ClientWidth = 366
  FormStyle = fsStayOnTop
  Position = poScreenCenter
  OnShow = FormShow
  object GroupBox2: TGroupBox
    Left = 8
    Top = 8
    Width = 240
    Height = 146
    Caption = '漫游窗口控制'
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 24
      Caption = '信号类型'
    end
    object ComboBox1: TComboBox
      Left = 104
      Top = 20
      Width = 124
      Height = 21
      Style = csDropDownList
      Items.Strings = (
      'VIDEO'
      'RGB'
      'DVI'
      'HDMI')
      ItemIndex = 0
      TabOrder = 0
      OnChange = ComboBox1Change
    end
    object BitBtn3: TBitBtn
      Left = 124
      Top = 50
      Width = 104
      Height = 25
      Caption = '通道选择'
      TabOrder = 1
      OnClick = BitBtn3Click
    end
    object BitBtn1: TBitBtn
      Left = 12
      Top = 84
      Width = 104
      Height = 25
      Caption = '子画面打开'
      TabOrder = 2
      OnClick = BitBtn1Click
    end
    object BitBtn2: TBitBtn
      Left = 124
      Top = 84
      Width = 104
      Height = 25
      Caption = '子画面关闭'
      TabOrder = 3
      OnClick = BitBtn2Click
    end
    object BitBtn4: TBitBtn
      Left = 12
      Top = 50
      Width = 104
      Height = 25
      Caption = '画面交换'
      TabOrder = 4
      Visible = False
      OnClick = BitBtn4Click
    end
    object CheckBox1: TCheckBox
      Left = 12
      Top = 118
      Width = 216
      Height = 17
      Caption = '比例锁定'
      TabOrder = 5
    end
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 162
    Width = 240
    Height = 164
    Caption = '矩阵联动控制'
    TabOrder = 1
    object Label2: TLabel
      Left = 12
      Top = 24
      Caption = '矩阵类型'
    end
    object ComboBox3: TComboBox
      Left = 104
      Top = 20
      Width = 124
      Height = 21
      Style = csDropDownList
      Items.Strings = (
        'VIDEO矩阵'
        'VGA矩阵'
        'DVI矩阵')
      ItemIndex = 0
      TabOrder = 0
      OnClick = ComboBox3Click
      OnChange = ComboBox3Change
    end
    object Label3: TLabel
      Left = 12
      Top = 52
      Caption = '矩阵输入通道'
    end
    object ComboBox2: TComboBox
      Left = 104
      Top = 48
      Width = 124
      Height = 21
      Style = csDropDownList
      TabOrder = 1
    end
    object GroupBox3: TGroupBox
      Left = 12
      Top = 76
      Width = 216
      Height = 42
      Caption = '矩阵型号'
      TabOrder = 2
      object Label7: TLabel
        Left = 12
        Top = 18
        Caption = ''
      end
    end
    object CheckBox3: TCheckBox
      Left = 12
      Top = 132
      Width = 104
      Height = 17
      Caption = '矩阵联动'
      TabOrder = 3
    end
    object BitBtn51: TBitBtn
      Left = 124
      Top = 128
      Width = 104
      Height = 25
      Caption = '切换'
      TabOrder = 4
      OnClick = BitBtn51Click
    end
  end
  object Panel1: TPanel
    Left = 256
    Top = 8
    Width = 102
    Height = 102
    BevelOuter = bvNone
    Color = clBlack
    TabOrder = 2
    object Image1: TImage
      Left = 1
      Top = 1
      Width = 100
      Height = 100
    end
    object Image2: TImage
      Left = 2
      Top = 2
      Width = 40
      Height = 40
    end
    object Label8: TLabel
      Left = 1
      Top = 1
      Width = 100
      Height = 100
      AutoSize = False
      Caption = ''
      Transparent = True
      OnMouseDown = Label8MouseDown
      OnMouseMove = Label8MouseMove
      OnMouseUp = Label8MouseUp
    end
  end
end
