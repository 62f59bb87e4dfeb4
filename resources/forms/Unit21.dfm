object Form21: TForm21
  Left = 0
  Top = 0
  Caption = 'Form21'
  ClientHeight = 240
  ClientWidth = 320
  Position = poScreenCenter
end
