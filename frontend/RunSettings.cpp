#include "frontend/RunSettings.h"

namespace keyloom {

ReportLabels DefaultLabels() {
  return {
      " Pwd Length......... ", " Current Hash....... ", " Complex Pwd........ ",
      " Complex Pwd Hash... ", " Custom Pwd......... ", " Custom Pwd Hash.... ",
      " Strong Pwd......... ", " Strong Pwd Hash.... ", " Simple Pwd ........ ",
      " Simple Pwd Hash.... ", " Simple (L) Pwd .... ", " Simple (L) Hash.... ",
      " Simple (U) Pwd..... ", " Simple (U) Hash.... ", " 32-bit GUID........ ",
      " 32-bit GUID Hash... ", " One-line Output.... ",
  };
}

TStringArray HashNames() {
  return {"SHA3_512", "SHA3_384", "SHA3_256", "SHA3", "SHA2_512", "SHA2_384", "SHA2_256",
          "SHA512",   "SHA384",   "SHA256",   "SHA2", "SHA1",     "MD5"};
}

}  // namespace keyloom
