#include "platform/posix/ElfVersionInfo.h"

namespace keyloom {
namespace {

class ElfVersionInfo final : public TFileVersionInfo {
 public:
  void SetFileName(const ByteString& path) override { path_ = path; }
  void ReadFileInfo() override { throw EVersionInfoError("No version information"); }
  ByteString Value(const ByteString&) const override { return ByteString(); }

 private:
  ByteString path_;
};

}  // namespace

std::unique_ptr<TFileVersionInfo> MakeElfVersionInfo(const ByteString&) {
  return std::make_unique<ElfVersionInfo>();
}

}  // namespace keyloom
