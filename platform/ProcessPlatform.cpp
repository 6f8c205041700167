#include "platform/ProcessPlatform.h"

namespace keyloom {

ProcessPlatform::ProcessPlatform(int argc, char** argv, StartValues values,
                                 std::unique_ptr<ByteSink> out, std::unique_ptr<ByteSink> err)
    : values_(std::move(values)),
      out_sink_(std::move(out)),
      err_sink_(std::move(err)),
      out_(*out_sink_, values_.console_page, values_.line_end),
      err_(*err_sink_, values_.console_page, values_.line_end) {
  for (int i = 1; i < argc; ++i) args_.emplace_back(std::string(argv[i]), kAnsiCodePage);
}

ByteString ProcessPlatform::Argument(int index) const {
  if (index < 1 || index > ArgumentCount()) return ByteString();
  return args_[static_cast<std::size_t>(index - 1)];
}

}  // namespace keyloom
