#include "frontend/Report.h"

namespace keyloom {
namespace {

const ByteString kBlank = " ";
const ByteString kTwoBlanks = "  ";

// Label, columns, hash text, one blank, the text it belongs to.
void HashedLine(TextWriter& out, const ByteString& label, const ByteString& length_column,
                const ByteString& name_column, const ByteString& hash, const ByteString& text) {
  out.Write(label).Write(length_column).Write(name_column).Write(hash).Write(kBlank).Line(text);
}

void PlainLine(TextWriter& out, const ByteString& label, const ByteString& text) {
  out.Write(label).Line(text);
}

bool HasCustomRule(const RunSettings& s) {
  return s.Mode != CharSetMode::Default;
}

void ShowVerbose(TextWriter& out, const RunSettings& s, const RunResults& r) {
  const ReportLabels& l = s.Labels;
  PlainLine(out, l[LengthLabel], DecimalText(s.PwdLength));
  PlainLine(out, l[HashNameLabel], s.HashName);
  if (s.HashesOn) {
    PlainLine(out, l[ComplexLabel], r.ComplexPwd);
    PlainLine(out, l[ComplexHashLabel], r.ComplexHash);
    if (HasCustomRule(s)) {
      PlainLine(out, l[CustomLabel], r.CustomPwd);
      PlainLine(out, l[CustomHashLabel], r.CustomHash);
    }
    PlainLine(out, l[SimpleLabel], r.SimplePwd);
    PlainLine(out, l[SimpleHashLabel], r.SimpleHash);
    PlainLine(out, l[SimpleLowerLabel], r.SimpleLowerPwd);
    PlainLine(out, l[SimpleLowerHashLabel], r.SimpleLowerHash);
    PlainLine(out, l[SimpleUpperLabel], r.SimpleUpperPwd);
    PlainLine(out, l[SimpleUpperHashLabel], r.SimpleUpperHash);
    PlainLine(out, l[StrongLabel], r.StrongPwd);
    PlainLine(out, l[StrongHashLabel], r.StrongHash);
    PlainLine(out, l[GuidLabel], r.Guid);
    PlainLine(out, l[GuidHashLabel], r.GuidHash);
  } else {
    PlainLine(out, l[StrongLabel], r.StrongPwd);
    PlainLine(out, l[ComplexLabel], r.ComplexPwd);
    if (HasCustomRule(s)) PlainLine(out, l[CustomLabel], r.CustomPwd);
    PlainLine(out, l[SimpleLabel], r.SimplePwd);
    PlainLine(out, l[SimpleLowerLabel], r.SimpleLowerPwd);
    PlainLine(out, l[SimpleUpperLabel], r.SimpleUpperPwd);
    PlainLine(out, l[GuidLabel], r.Guid);
  }
}

void ShowOneLine(TextWriter& out, const RunSettings& s, const RunResults& r) {
  out.Write(s.Labels[OneLineLabel]).Write(s.LengthColumn).Write(s.HashNameColumn);
  const ByteString* pairs[5][2] = {{&r.CustomHash, &r.CustomPwd},
                                   {&r.SimpleHash, &r.SimplePwd},
                                   {&r.SimpleLowerHash, &r.SimpleLowerPwd},
                                   {&r.SimpleUpperHash, &r.SimpleUpperPwd},
                                   {&r.GuidHash, &r.Guid}};
  for (int i = 0; i < 5; ++i) {
    if (i > 0) out.Write(kTwoBlanks);
    if (s.HashesOn) out.Write(*pairs[i][0]).Write(kBlank);
    out.Write(*pairs[i][1]);
  }
  out.EndLine();
}

void ShowNormal(TextWriter& out, const RunSettings& s, const RunResults& r) {
  const ReportLabels& l = s.Labels;
  auto password_line = [&](Label label, const ByteString& hash, const ByteString& text) {
    if (s.HashesOn) {
      HashedLine(out, l[label], s.LengthColumn, s.HashNameColumn, hash, text);
    } else {
      PlainLine(out, l[label], text);
    }
  };
  if (s.LengthLineOn || s.FullOn) PlainLine(out, l[LengthLabel], DecimalText(s.PwdLength));
  if (s.HashNameLineOn || s.FullOn) PlainLine(out, l[HashNameLabel], s.HashName);
  if (s.ComplexOn || s.FullOn) password_line(ComplexLabel, r.CustomHash, r.CustomPwd);
  if (s.SimpleOn || s.FullOn) {
    password_line(SimpleLabel, r.SimpleHash, r.SimplePwd);
    password_line(SimpleLowerLabel, r.SimpleLowerHash, r.SimpleLowerPwd);
    password_line(SimpleUpperLabel, r.SimpleUpperHash, r.SimpleUpperPwd);
  }
  if (s.GuidOn || s.FullOn) {
    if (s.HashesOn) {
      HashedLine(out, l[GuidLabel], ByteString(), s.HashNameColumn, r.GuidHash, r.Guid);
    } else {
      PlainLine(out, l[GuidLabel], r.Guid);
    }
  }
  if (s.FullOn) out.EndLine();
  if (s.OneLineOn || s.FullOn) ShowOneLine(out, s, r);
}

}  // namespace

void ShowLengthNotice(TextWriter& out) {
  out.Write(" * Valid password length is from ")
      .Write(DecimalText(8))
      .Write(" to ")
      .Write(DecimalText(4096))
      .Write(" (Default = ")
      .Write(DecimalText(16))
      .Write(")")
      .EndLine();
  out.EndLine();
}

void ShowReport(TextWriter& out, const RunSettings& settings, const RunResults& results) {
  if (settings.VerboseOn) {
    ShowVerbose(out, settings, results);
  } else {
    ShowNormal(out, settings, results);
  }
}

}  // namespace keyloom
