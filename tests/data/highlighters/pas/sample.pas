unit Ukazka;

{ Ukázková jednotka pro zvýrazòování:
  komentáø ve složených závorkách pøes dva øádky }

interface

uses SysUtils, Classes;

type
  TPocitadlo = class(TObject)
  private
    FHodnota: Integer;
    procedure SetHodnota(const Value: Integer); overload;
  public
    property Hodnota: Integer read FHodnota write SetHodnota default 0;
    property Jmeno: string index 3 read GetJmeno stored False;
    function Read: Integer; // "read" is an identifier here
  end;

const
  Radek = #13#10;
  Maska = $FF00;
  Pi2 = 6.2831853e0;
  Rozsah = 1..10;
  Veta = 'Øekl: ''ahoj'' a odešel';
  Prazdny = '';

implementation

(* Komentáø v kulatých závorkách
   pokraèuje (* bez vnoøení
   a konèí zde *) var X: Integer;

procedure TPocitadlo.SetHodnota(const Value: Integer);
begin
  if (Value <> FHodnota) and (Value >= 0) then
    FHodnota := Value
  else if Value < 0 then raise Exception.Create('záporná hodnota');
  X := @FHodnota = nil;
end;

function Soucet(A, B: Integer): Integer; assembler;
asm
  MOV EAX, A  { seèti (ve dvou registrech) }
  ADD EAX, B  (* víceøádkový
  komentáø v asm *) NOP
  @@konec: RET
end;

procedure Neukonceno;
begin
  S := 'bez konce
  End1 := end_x + Begin2;
  {}(**)(*)
  ještì komentáø *) Writeln(S); // konec
end;

end.
