object Form6: TForm6
  Left = 0
  Top = 0
  Width = 272
  Height = 352
  Caption = '调试'
  Position = poScreenCenter
  object Label1: TLabel
    Left = 8
    Top = 8
    Caption = '发送通讯指令(16进制):               '
  end
  object Edit1: TEdit
    Left = 8
    Top = 26
    Width = 175
    Height = 21
    Anchors = [akLeft, akTop, akRight]
    TabOrder = 0
  end
  object Button1: TButton
    Left = 189
    Top = 24
    Width = 67
    Height = 25
    Anchors = [akTop, akRight]
    Caption = '发送'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Label2: TLabel
    Left = 8
    Top = 56
    Caption = '例如:   C6 11 33 20 02 BB              '
  end
  object Edit2: TEdit
    Left = 8
    Top = 74
    Width = 248
    Height = 21
    Anchors = [akLeft, akTop, akRight]
    ReadOnly = True
    TabOrder = 2
  end
  object Edit3: TEdit
    Left = 8
    Top = 74
    Width = 248
    Height = 21
    TabOrder = 3
    Visible = False
  end
  object Label3: TLabel
    Left = 8
    Top = 104
    Caption = '反馈消息:              '
  end
  object Memo1: TMemo
    Left = 8
    Top = 122
    Width = 248
    Height = 162
    Anchors = [akLeft, akTop, akRight, akBottom]
    ScrollBars = ssVertical
    TabOrder = 4
  end
  object Button2: TButton
    Left = 189
    Top = 292
    Width = 67
    Height = 25
    Anchors = [akRight, akBottom]
    Caption = '关闭'
    TabOrder = 5
    OnClick = Button2Click
  end
end
