#pragma once
// The boxes of the record area as a holder data record and its detail record fill them: what
// ShowRecord shows, and what the export writes for each holder without showing it; and the
// message that a record which cannot be read gives.

#include <string>
#include <string_view>

#include "platform/file_error.hpp"
#include "querywin/query_controls.hpp"

namespace kv884 {

// Every box of the record area but the ring position.
void fillRecordBoxes(QueryControls& boxes, std::u16string_view dataRec, std::u16string_view idxdRec,
                     const std::u16string& securityName, const std::u16string& decimalFlag);

// MSG_1_08 with the error's number and description.
std::u16string readErrorMessage(const FileError& error);

}  // namespace kv884
