// ICU's collation entry points, standing in for libicui18n in a program that links this library
// in its place: the first collator opened loads libicui18n. A look-up by ID, account or holder
// number is one short process that never collates, and relocating libicui18n at its start cost
// about a quarter of its instructions. Only the functions the name order calls are here, so a
// new call into libicui18n fails that program's link instead of going unnoticed.

#include <dlfcn.h>
#include <unicode/ucol.h>
#include <unicode/uvernum.h>

#define KV884_ENTRY_NAME(name) KV884_STRINGIFY(name)
#define KV884_STRINGIFY(name) #name

namespace {

void* collationLibrary() {
  static void* const library =
      ::dlopen("libicui18n.so." U_ICU_VERSION_SHORT, RTLD_NOW | RTLD_LOCAL);
  return library;
}

// ICU's entry points carry the version in their names (ucol_open is ucol_open_72).
template <typename Function>
Function entryPoint(const char* versionedName) {
  void* library = collationLibrary();
  return library ? reinterpret_cast<Function>(::dlsym(library, versionedName)) : nullptr;
}

}  // namespace

U_CAPI UCollator* U_EXPORT2 ucol_open(const char* locale, UErrorCode* status) {
  using Open = UCollator* (*)(const char*, UErrorCode*);
  static const Open open = entryPoint<Open>(KV884_ENTRY_NAME(ucol_open));
  if (!open) {
    *status = U_MISSING_RESOURCE_ERROR;
    return nullptr;
  }
  return open(locale, status);
}

// Called only with a collator that ucol_open gave, so the library is loaded by then.
U_CAPI UCollationResult U_EXPORT2 ucol_strcoll(const UCollator* collator, const UChar* source,
                                               int32_t sourceLength, const UChar* target,
                                               int32_t targetLength) {
  using Compare =
      UCollationResult (*)(const UCollator*, const UChar*, int32_t, const UChar*, int32_t);
  static const Compare compare = entryPoint<Compare>(KV884_ENTRY_NAME(ucol_strcoll));
  return compare(collator, source, sourceLength, target, targetLength);
}
