// The program's entry: the native platform, one guarded run, the exit code.
#include "frontend/EntryPoint.h"
#include "platform/NativePlatform.h"

int main(int argc, char** argv) {
  auto platform = keyloom::CreateNativePlatform(argc, argv);
  platform->Exit(keyloom::RunGuarded(*platform));
}
