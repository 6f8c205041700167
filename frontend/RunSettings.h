// The run's settings as the option parser leaves them, the texts a run generates, and the
// list of accepted hash names.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "bytestring/ByteString.h"
#include "generation/Passwords.h"

namespace keyloom {

using TStringArray = std::vector<ByteString>;

enum class CharSetMode { Default, Exclude, Include };

// Positions of the report's seventeen labels in RunSettings::Labels.
enum Label : std::size_t {
  LengthLabel,
  HashNameLabel,
  ComplexLabel,
  ComplexHashLabel,
  CustomLabel,
  CustomHashLabel,
  StrongLabel,
  StrongHashLabel,
  SimpleLabel,
  SimpleHashLabel,
  SimpleLowerLabel,
  SimpleLowerHashLabel,
  SimpleUpperLabel,
  SimpleUpperHashLabel,
  GuidLabel,
  GuidHashLabel,
  OneLineLabel,
  LabelCount
};

using ReportLabels = std::array<ByteString, LabelCount>;

// The seventeen 21-character labels of the report.
ReportLabels DefaultLabels();

struct RunSettings {
  std::int32_t PwdLength = 16;
  bool LengthValid = true;
  bool ParamsValid = true;
  bool BuildInfoOn = false;
  bool HeaderOn = true;
  bool LengthLineOn = true;
  bool HashNameLineOn = true;
  bool SimpleOn = true;
  bool ComplexOn = true;
  bool HashesOn = true;
  bool GuidOn = true;
  bool OneLineOn = false;
  bool FullOn = false;
  bool VerboseOn = false;
  ByteString ExclusionSet = DefaultExclusionSet();
  ByteString InclusionSet;
  CharSetMode Mode = CharSetMode::Default;
  ByteString HashName = "SHA1";
  ByteString LengthText;
  ByteString LengthColumn;
  ByteString HashNameColumn;
  ReportLabels Labels = DefaultLabels();
};

struct RunResults {
  ByteString SimplePwd, SimpleLowerPwd, SimpleUpperPwd, StrongPwd, ComplexPwd, CustomPwd, Guid;
  ByteString SimpleHash, SimpleLowerHash, SimpleUpperHash, StrongHash, ComplexHash, CustomHash,
      GuidHash;
};

// The thirteen accepted hash names, in the order they are listed.
TStringArray HashNames();

}  // namespace keyloom
