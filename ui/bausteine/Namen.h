#pragma once

// Object names of the controls that tests and windows look up. The names are the program's
// component names, so a renamed control shows up here and nowhere else.
namespace ui::namen {

// Main window and its top bar
inline constexpr char TFGewonnen[] = "TFGewonnen";
inline constexpr char ProgrammBeenden[] = "bsSkinSpeedButton6";
inline constexpr char BFSpTagVerw[] = "BFSpTagVerw";
inline constexpr char SpielscheinErstellen[] = "bsSkinSpeedButton7";
inline constexpr char VersionPruefen[] = "bsSkinSpeedButton12";
inline constexpr char PPayPal[] = "PPayPal";
inline constexpr char Label15[] = "Label15";
inline constexpr char BSpende[] = "BSpende";
inline constexpr char Panel4[] = "Panel4";
inline constexpr char Label4[] = "Label4";
inline constexpr char leur[] = "leur";
inline constexpr char PositionSpeichern[] = "bsSkinSpeedButton4";
inline constexpr char Video[] = "bsSkinSpeedButton10";
inline constexpr char Info[] = "bsSkinSpeedButton5";

// Matchday column
inline constexpr char cbSofortQ[] = "cbSofortQ";
inline constexpr char BOpen[] = "BOpen";
inline constexpr char ErgebnisseSpeichern[] = "bsSkinSpeedButton8";
inline constexpr char LTag[] = "LTag";
inline constexpr char PC1[] = "PC1";
inline constexpr char frPaars[] = "frPaars"; // + 1..45
inline constexpr char PPaar[] = "PPaar";
inline constexpr char PStart[] = "PStart";
inline constexpr char PTendenz[] = "PTendenz";
inline constexpr char eErg[] = "eErg";
inline constexpr char LNr[] = "LNr";

// Cross board column
inline constexpr char PKreuz[] = "PKreuz";
inline constexpr char VKreuz[] = "VKreuz"; // + tag
inline constexpr char PZ[] = "PZ";
inline constexpr char Zufall[] = "bsSkinSpeedButton11";
inline constexpr char BKreuzeDel[] = "BKreuzeDel";
inline constexpr char BQOpen[] = "BQOpen";
inline constexpr char BQSave[] = "BQSave";
inline constexpr char BVoll[] = "BVoll";
inline constexpr char Label5[] = "Label5";

// Evaluation column
inline constexpr char PFoto[] = "PFoto";
inline constexpr char PAnzeige[] = "PAnzeige";
inline constexpr char frAnzeige[] = "frAnzeige"; // + 1..7
inline constexpr char ETZ[] = "ETZ";
inline constexpr char PNr[] = "PNr";
inline constexpr char BSortier2[] = "BSortier2";
inline constexpr char GewinnreiheLoeschen[] = "bsSkinSpeedButton3";
inline constexpr char cbSofort[] = "cbSofort";
inline constexpr char SpielscheinEinlesen[] = "bsSkinSpeedButton1";
inline constexpr char BSave[] = "BSave";
inline constexpr char BCopy[] = "BCopy";
inline constexpr char BGridDel[] = "BGridDel";
inline constexpr char LDatei[] = "LDatei";
inline constexpr char SortNachNummer[] = "bsSkinSpeedButton2";
inline constexpr char BSortier[] = "BSortier";
inline constexpr char LReihen[] = "LReihen";
inline constexpr char G1[] = "G1";
inline constexpr char scrv1[] = "scrv1";
inline constexpr char P116[] = "P116";
inline constexpr char QuotenEinlesen[] = "bsSkinSpeedButton13";
inline constexpr char BQuoDel[] = "BQuoDel";
inline constexpr char LDatei3[] = "LDatei3";
inline constexpr char eQ[] = "eQ"; // + 1..6
inline constexpr char QuotenSpeichern[] = "bsSkinSpeedButton14";
inline constexpr char G2[] = "G2";
inline constexpr char BAuswerten[] = "BAuswerten";
inline constexpr char LGesGewinn[] = "LGesGewinn";
inline constexpr char Abbild[] = "bsSkinSpeedButton9";

// Start window
inline constexpr char TFStart[] = "TFStart";
inline constexpr char BWeiter[] = "BWeiter";
inline constexpr char DasMachtDasTool[] = "bsSkinSpeedButton1";

// Slip editor
inline constexpr char TFEingabe[] = "TFEingabe";
inline constexpr char BClose[] = "BClose";
inline constexpr char EditorPosition[] = "bsSkinSpeedButton13";
inline constexpr char EditorOeffnen[] = "BOpen";
inline constexpr char BAuslesen[] = "BAuslesen";
inline constexpr char BDel[] = "BDel";
inline constexpr char LDatei0[] = "LDatei0";
inline constexpr char LZeilen[] = "LZeilen";
inline constexpr char m1[] = "m1";
inline constexpr char EditorSpeichern[] = "BSave";
inline constexpr char EditorExport[] = "bsSkinSpeedButton1";
inline constexpr char EditorGridDel[] = "BGridDel";
inline constexpr char EditorLDatei[] = "LDatei";
inline constexpr char EditorLReihen[] = "LReihen";
inline constexpr char EditorG1[] = "G1";
inline constexpr char BTransfer[] = "BTransfer";
inline constexpr char Anleitung[] = "Label1";
inline constexpr char Trennzeichen[] = "Label2";
inline constexpr char EditorLeiste[] = "scrv1";

// Matchday download window
inline constexpr char TFsptag[] = "TFsptag";
inline constexpr char Label18[] = "Label18";
inline constexpr char SptagSofort[] = "cbSofort";
inline constexpr char Abrufen[] = "bsSkinSpeedButton2";
inline constexpr char Image1[] = "Image1"; // the lamp here, the picture in the snapshot window
inline constexpr char Label22[] = "Label22";
inline constexpr char ComboDate2[] = "ComboDate2";
inline constexpr char SptagHinweis[] = "Label1";
inline constexpr char SptagSchliessen[] = "bsSkinSpeedButton3";
inline constexpr char Timer2[] = "Timer2";
inline constexpr char Timer3[] = "Timer3";

// Snapshot window
inline constexpr char FAbbild[] = "FAbbild"; // + 1, 2, ... for the windows of a run
inline constexpr char bsSkinPanel2[] = "bsSkinPanel2";
inline constexpr char bsSkinLabel1[] = "bsSkinLabel1";
inline constexpr char AbbildPosition[] = "bsSkinSpeedButton13";
inline constexpr char bsSkinPanel1[] = "bsSkinPanel1";
inline constexpr char AbbildSpeichern[] = "BSave";
inline constexpr char Slider1[] = "Slider1";
inline constexpr char QualitaetLabel1[] = "Label1";
inline constexpr char AbbildKopieren[] = "bsSkinSpeedButton1";

// About window
inline constexpr char FInfo[] = "FInfo";
inline constexpr char Image2[] = "Image2";
inline constexpr char LVersion[] = "LVersion";
inline constexpr char Panel1[] = "Panel1";
inline constexpr char InfoLabel1[] = "Label1";
inline constexpr char LName[] = "LName";
inline constexpr char LStrasse[] = "LStrasse";
inline constexpr char LPLZOrt[] = "LPLZOrt";
inline constexpr char LFax[] = "LFax";
inline constexpr char LMail[] = "LMail";
inline constexpr char LTelefon[] = "LTelefon";
inline constexpr char InfoSchliessen[] = "bsSkinSpeedButton3";

// Update window
inline constexpr char FNeu[] = "FNeu";
inline constexpr char bsSkinGroupBox1[] = "bsSkinGroupBox1";
inline constexpr char NeuLabel1[] = "Label1";
inline constexpr char PiVersion[] = "PiVersion";
inline constexpr char BCalc[] = "BCalc";
inline constexpr char NeuLabel2[] = "Label2";
inline constexpr char PvVersion[] = "PvVersion";
inline constexpr char bsSkinGroupBox3[] = "bsSkinGroupBox3";
inline constexpr char NeuLabel4[] = "Label4";
inline constexpr char BDown[] = "BDown";
inline constexpr char Gauge3[] = "Gauge3";
inline constexpr char bsSkinGroupBox2[] = "bsSkinGroupBox2";
inline constexpr char NeuLabel3[] = "Label3";
inline constexpr char BSetup[] = "BSetup";
inline constexpr char NeuSchliessen[] = "bsSkinSpeedButton1";

// The progress window of a transfer that takes a while
inline constexpr char TFUebertragung[] = "TFUebertragung";
inline constexpr char LDownload[] = "LDownload";
inline constexpr char LBytes[] = "LBytes";
inline constexpr char UebertragungBalken[] = "UebertragungBalken";
inline constexpr char UebertragungAbbrechen[] = "BAbbrechen";

// Windows of several evaluations at once: the frame, the statistics over all matchdays and the
// evaluation of several slips
inline constexpr char LSumme[] = "LSumme";
inline constexpr char Fortschritt[] = "Fortschritt";
inline constexpr char BCsv[] = "BCsv";
inline constexpr char BPdf[] = "BPdf";
inline constexpr char AuswertungSchliessen[] = "BSchliessen";
inline constexpr char FStatistik[] = "FStatistik";
inline constexpr char LKopf[] = "LKopf";
inline constexpr char Seiten[] = "Seiten";
inline constexpr char GSpieltage[] = "GSpieltage";
inline constexpr char GUebersprungen[] = "GUebersprungen";
inline constexpr char CVerlauf[] = "CVerlauf";
inline constexpr char CHaeufigkeit[] = "CHaeufigkeit";
inline constexpr char GZahlen[] = "GZahlen";
inline constexpr char eEinsatz[] = "eEinsatz";
inline constexpr char cbZeitraum[] = "cbZeitraum";
inline constexpr char eLetzte[] = "eLetzte";
inline constexpr char eVon[] = "eVon";
inline constexpr char eBis[] = "eBis";
inline constexpr char FScheine[] = "FScheine";
inline constexpr char LGewinnreihe[] = "LGewinnreihe";
inline constexpr char BWaehlen[] = "BWaehlen";
inline constexpr char GScheine[] = "GScheine";

// The row grid's context menu entries that have a shortcut, the workshop's opener, the help window
inline constexpr char AuswertungDrucken[] = "AuswertungDrucken";
inline constexpr char AuswertungPdf[] = "AuswertungPdf";
inline constexpr char StatistikOeffnen[] = "StatistikOeffnen";
inline constexpr char Systemwerkstatt[] = "Systemwerkstatt";
inline constexpr char FHilfe[] = "FHilfe";
inline constexpr char Hilfeseite[] = "Hilfeseite";
inline constexpr char HilfeSchliessen[] = "BSchliessen";

} // namespace ui::namen
