// delartal-plan --help: how to call it, every option, and how it reads
// frequencies, ranges, boards and channel lists, in Swedish.
#pragma once

#include <string_view>

namespace delartal::plan {

constexpr std::string_view help_text =
    R"(Användning: delartal-plan [FLAGGA]... [FREKVENS | START:STOPP[:STEG]]...
   eller: delartal-plan --reverse [FLAGGA]... [KORT]...
Ger delartalet och diodernas mönster i kanalmatrisen för frekvenser, med
samma räkning som delartal, eller åt andra hållet frekvensen för en matris.
Utan FREKVENS eller KORT läses en per rad från standard in (se Kanallistor).

  -v, --variant=1|2       bara den offsetvarianten; annars båda, 1 först
                            1: Offset 70,2 / 59,5 MHz (Tx/Rx)
                            2: Offset 70,1 / 59,4 MHz (Tx/Rx)
  -r, --reverse           från matris till frekvens
  -f, --format=FORMAT     text (som standard), csv, json (en rad per objekt,
                            med csv:s fält) eller html
  -d, --delimiter=TECKEN  fältavgränsare i csv, som standard ,
      --decimal-comma     decimalkomma i csv, för svenska kalkylblad
  -h, --help              visa den här hjälpen och avsluta
  -V, --version           visa versionen och avsluta

FREKVENS är i MHz och läses som delartal läser den, men hela argumentet ska
vara talet, decimalkomma går lika bra som punkt, och MHz får följa: 146.0375,
146,0375 eller 146.0375 MHz. Kanalnamnen på 2 m går också: V00-V63 är 145.000
MHz och uppåt i steg om 12,5 kHz, RV00-RV63 samma som repeaterutgångar, R0-R7
är RV48, RV50 ..., R0x-R7x en kanal högre och S8-S23 är V16, V18 ... Kolumnen
iaru namnger kanalen: V00-V47 för 145.000-145.5875, RV48-RV63 för 145.600-
145.7875 MHz.
Kanal är mitten av delartalets steg på 12,5 kHz; en frekvens som visas som
något annat, ett halvt steg eller en felskriven kanal, får en rad med Obs.
START:STOPP[:STEG] står för START, START + STEG, ... till och med STOPP, räknat
exakt i decimaler; STEG är 0.0125 (ett delartal) om det utelämnas. Frekvenser
i ett intervall som inte ger något delartal 0-9999 utelämnas, och en rad på
standard fel säger hur många. Variant 1 tar 140.4 till 265.3875 MHz,
variant 2 140.2 till 265.1875 MHz.

KORT är ett delartal (451), linjerna som har en diod (J F D M, jfdm eller
J,F,D,M), eller en mönsterrad av 16 tecken V och x som rapporten skriver den
(x x x x  x V x x  x V x V  x x x V).

Kanallistor: tomma rader och rader som börjar med # hoppas över, och # efter
ett blanktecken inleder en kommentar. Efter frekvensen eller kortet kan
kanalens namn stå, efter tabb, semikolon, mellanslag eller ett komma efter
en hel frekvens, och inom citattecken om det behövs:
  145.600 SK0RK repeater    145.600,SK0RK    145.6;"Rö, Ö-gruppen"
  J F D M Hemma
Ett kort med mellanslag slutar vid första ordet med något annat än linjerna
A-M (versaler), V, x och komma; ett namn av bara sådana tecken skrivs efter
tabb eller semikolon. En rad slutar med LF, CR LF eller bara CR. En rad
som inte är UTF-8 läses som Windows-1252. Styrtecken visas som sin kod inom
vinkelparenteser, ESC som <1B>.

CSV med rubrikrad: är första raden en rubrikrad med kolumnen Frequency,
Rx Frequency, Receive Frequency, Rx Freq, frekvens, RX-frekvens eller
Mottagningsfrekvens, med (MHz) efter eller utan (med -r delartal), läses
listan som CSV med den avgränsare (, ; eller tabb) som delar rubrikraden,
eller som en första rad sep=; anger. Namnet tas ur Name, Channel Name eller
namn, och kolumnen variant håller raden till sin variant, så att planens
egen CSV läses tillbaka till samma rader. Övriga kolumner lämnas därhän. En
rad som börjar med # är en kommentar bara om dess frekvens inte går att
läsa, och en rad som upprepar rubrikraden hoppas över.

Matrisen rymmer delartalen 0-1999; högre delartal upp till 9999 visas ändå,
märkta som att de inte ryms, och ett - bland dioderna står för en diod där
matrisen saknar linje.

Korten i html skrivs ut från webbläsarens utskriftsdialog: A4, utan
sidhuvud och sidfot; tre kort får plats på en sida.

Slutstatus: 0 när varje argument eller rad gav sina rader, 1 när något inte
gjorde det (de andra skrivs ändå), 2 vid felaktig användning.

Exempel:
  delartal-plan 146.0375 145,5
  delartal-plan -v 1 145:145.05
  delartal-plan -f csv -d ';' --decimal-comma 140.4:165.3875 > plan.csv
  delartal-plan -r 451 'J F D M' 'x x x x  x V x x  x V x V  x x x V'
  delartal-plan -f html -v 2 < kanaler.txt > kort.html
  delartal-plan -v 1 -f csv < export.csv
)";

}  // namespace delartal::plan
