object Form18: TForm18
  Left = 0
  Top = 0
  AlphaBlend = True
  AlphaBlendValue = 0
  BorderIcons = []
  BorderStyle = bsNone
  Caption = 'Form18'
  ClientHeight = 400
  ClientWidth = 500
  FormStyle = fsStayOnTop
  Position = poDesktopCenter
  OnCreate = FormCreate
  object img1: TImage
    Left = 0
    Top = 0
    Width = 500
    Height = 400
    Align = alClient
    Center = True
    Stretch = True
  end
  object tmr1: TTimer
    Interval = 10
    OnTimer = tmr1Timer
  end
end
