object Form1: TForm1
  Left = 192
  Top = 107
  Width = 544
  Height = 375
  Caption = 'Ukázkové okno – pøíliš luouèkı kùò'
  Color = clBtnFace
  Font.Charset = EASTEUROPE_CHARSET
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = [fsBold, fsItalic]
  OldCreateOrder = False
  Scaled = 1.5
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 8
    Caption = 'It''s'#13#10'druhı øádek'
    Hint = 'neukonèenı øetìzec
  end
  object Memo1: TMemo
    Lines.Strings = (
      'první'
      'Druhá')
    Tag = $00FF
  end
  inherited Panel1: TPanel
    Range = 1..10
    Data = {
      0A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
}202122232425262728
      292A2B}
    Glyph.Data = {0A0B}
  end
  OnCreate = FormCreate } stray
	Objects = 'ending' + End - Object ! ? @ ;
END
