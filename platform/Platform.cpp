#include "platform/Platform.h"

namespace keyloom {

MonthNames EnglishMonthNames() {
  return {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}

}  // namespace keyloom
