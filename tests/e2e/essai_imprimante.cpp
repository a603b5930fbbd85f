// Gives the test prefix a printer: Wine's PostScript driver on a pipe port
// that hands every job to tools/sortie_impression.sh, made the default.
// Usage: essai_imprimante.exe PPD PORT
//   PPD: the driver's description, already in the driver folder
//   PORT: "|commande" (the job on its standard input)
// Nothing is done when the printer is there already.
#include <windows.h>
#include <winspool.h>

#include <cstdio>

namespace {

const char NOM_IMPRIMANTE[] = "Imprimante d'essai";
const char PILOTE[] = "Wine PostScript Driver";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: essai_imprimante PPD PORT\n");
    return 2;
  }
  HANDLE existante = nullptr;
  if (OpenPrinterA((LPSTR)NOM_IMPRIMANTE, &existante, nullptr)) {
    ClosePrinter(existante);
    SetDefaultPrinterA(NOM_IMPRIMANTE);
    return 0;
  }

  DRIVER_INFO_3A pilote{};
  pilote.cVersion = 3;
  pilote.pName = (LPSTR)PILOTE;
  pilote.pDriverPath = (LPSTR) "wineps.drv";
  pilote.pConfigFile = (LPSTR) "wineps.drv";
  pilote.pDataFile = argv[1];
  if (!AddPrinterDriverExA(nullptr, 3, (LPBYTE)&pilote, APD_COPY_NEW_FILES) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    fprintf(stderr, "essai_imprimante: AddPrinterDriverEx: erreur %lu\n", GetLastError());
    return 1;
  }

  PRINTER_INFO_2A imprimante{};
  imprimante.pPrinterName = (LPSTR)NOM_IMPRIMANTE;
  imprimante.pPortName = argv[2];
  imprimante.pDriverName = (LPSTR)PILOTE;
  imprimante.pPrintProcessor = (LPSTR) "WinPrint";
  imprimante.pDatatype = (LPSTR) "RAW";
  imprimante.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE nouvelle = AddPrinterA(nullptr, 2, (LPBYTE)&imprimante);
  if (!nouvelle) {
    fprintf(stderr, "essai_imprimante: AddPrinter: erreur %lu\n", GetLastError());
    return 1;
  }
  ClosePrinter(nouvelle);
  if (!SetDefaultPrinterA(NOM_IMPRIMANTE)) {
    fprintf(stderr, "essai_imprimante: SetDefaultPrinter: erreur %lu\n", GetLastError());
    return 1;
  }
  return 0;
}
