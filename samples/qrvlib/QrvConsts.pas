unit QrvConsts;

{ Shared texts and defaults of the QRV Library. }

interface

uses
  Graphics;

const
  QrvPaletteName = 'QRV Library';
  QrvDefaultLedOnColor = clLime;
  QrvDefaultLedOffColor = clGreen;
  QrvDefaultTitleHeight = 22;

resourcestring
  SQrvAboutCaption = 'Sobre';
  SQrvPickListCaption = 'Selecione um item';
  SQrvInvalidNumber = '"%s" não é um número válido';

implementation

end.
