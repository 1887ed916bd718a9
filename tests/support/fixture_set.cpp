#include "support/fixture_set.hpp"

#include <fstream>
#include <stdexcept>

#include "dataset/key_kind.hpp"
#include "platform/big5.hpp"

namespace kv884::test {

namespace {

size_t recordStart(int64_t recNo, int length) {
  return static_cast<size_t>(recNo - 1) * static_cast<size_t>(length);
}

// The byte at which character position begins, as the record texts count characters: after the
// longest beginning of the record that decodes to fewer characters than position.
size_t byteOfCharacter(std::string_view record, int position) {
  size_t at = 0;
  while (at < record.size() && decodeBig5(record.substr(0, at + 1)).size() < size_t(position)) ++at;
  return at;
}

void patchField(const fs::path& file, int length, int64_t recNo, RecordField f,
                std::string_view bytes) {
  const size_t start = recordStart(recNo, length);
  const std::string record = FixtureSet::readRange(file, start, static_cast<size_t>(length));
  FixtureSet::patchAt(file, start + byteOfCharacter(record, f.position), bytes);
}

}  // namespace

FixtureSet::FixtureSet(const std::string& fixture)
    : folder(copyFixture(fixture, temp.path())),
      code(fixture == "basic" ? u"7701" : u"7702"),
      program(ui) {
  program.frm_0.tx_i_01.text = folderText();
}

bool FixtureSet::open() {
  program.frm_0.cmd_1_Click();
  return program.queryWindow() != nullptr;
}

void FixtureSet::search(const std::u16string& caption, const std::u16string& key) {
  window().comb_1.text = caption;
  window().tx_i_01.text = key;
  window().cmd_1_Click();
}

void FixtureSet::search(int kind, const std::u16string& key) {
  search(std::u16string(keyKind(kind).caption), key);
}

fs::path FixtureSet::file(std::u16string (*path)(std::u16string_view, std::u16string_view)) const {
  std::u16string relative = path(u"", code);
  for (char16_t& c : relative)
    if (c == u'\\') c = u'/';
  return folder / toUtf8(relative).substr(1);
}

std::string FixtureSet::readRange(const fs::path& file, size_t offset, size_t length) {
  std::ifstream in(file, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(offset));
  std::string bytes(length, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(length));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

void FixtureSet::patchAt(const fs::path& file, size_t offset, std::string_view bytes) {
  std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
  out.seekp(static_cast<std::streamoff>(offset));
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot patch " + file.string());
}

void FixtureSet::setEntryNumber(int kind, int page, int entry, std::string_view digits) const {
  patchField(keyIndex(), kKeyPageLength, page, entryNumberField(keyKind(kind), entry), digits);
}

void FixtureSet::setEntryKey(int kind, int page, int entry, std::string_view bytes) const {
  patchField(keyIndex(), kKeyPageLength, page, entryKeyField(keyKind(kind), entry), bytes);
}

void FixtureSet::setDetailField(int64_t recNo, RecordField f, std::string_view bytes) const {
  patchField(detailIndex(), kDetailRecordLength, recNo, f, bytes);
}

void FixtureSet::setHolderField(int64_t recNo, RecordField f, std::string_view bytes) const {
  patchField(holderData(), kHolderRecordLength, recNo, f, bytes);
}

void FixtureSet::dropTrailByte(int64_t recNo, RecordField f) const {
  const std::string record =
      readRange(detailIndex(), recordStart(recNo, kDetailRecordLength), kDetailRecordLength);
  setDetailField(recNo, f, record.substr(byteOfCharacter(record, f.position), 1) + " ");
}

}  // namespace kv884::test
