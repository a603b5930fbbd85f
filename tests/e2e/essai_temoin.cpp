// Stands in for a browser or for the application of an extra-web card:
// appends how it was started to temoin.txt beside itself, then ends.
// One record a start:
//   ligne=<command line as the process got it>
//   argument=<each argument after the program's own, as the C runtime splits them>
//   fin
#include <windows.h>

#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string journal = module;
  journal = journal.substr(0, journal.find_last_of('\\') + 1) + "temoin.txt";

  std::string record = std::string("ligne=") + GetCommandLineA() + "\r\n";
  for (int i = 1; i < __argc; ++i) record += std::string("argument=") + __argv[i] + "\r\n";
  record += "fin\r\n";

  // Whole records only: the tests poll the file while it grows.
  HANDLE h = CreateFileA(journal.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  for (int essai = 0; h == INVALID_HANDLE_VALUE && essai < 50; ++essai) {
    Sleep(20);
    h = CreateFileA(journal.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (h == INVALID_HANDLE_VALUE) return 1;
  DWORD ecrits = 0;
  const BOOL ok = WriteFile(h, record.data(), static_cast<DWORD>(record.size()), &ecrits, nullptr);
  CloseHandle(h);
  return ok && ecrits == record.size() ? 0 : 1;
}
