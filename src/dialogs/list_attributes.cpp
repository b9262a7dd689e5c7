#include "dialogs/list_attributes.h"

namespace kelvari {

bool ApplyListAttribute(std::wstring_view upper_word, std::int16_t& numeric,
                        std::int16_t& multi_select) {
  if (upper_word == L"SINGLESELECT") {
    multi_select = 0;
  } else if (upper_word == L"MULTISELECT") {
    multi_select = 1;
  } else if (upper_word == L"NUMERIC") {
    numeric = -1;
  } else if (upper_word == L"STRING") {
    numeric = 0;
  } else {
    return false;
  }
  return true;
}

}  // namespace kelvari
