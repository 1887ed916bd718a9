#pragma once
// The export of a set that is being copied from a slow medium (SetCopy): the rows are made while
// the holder data file is copied, in the order of its records, each as soon as the copy holds its
// record (its detail record the copy holds already), and written in the key order once all of
// them are made (KeyOrderRows). So the holders' work is done while the medium answers instead of
// after it, and every file is read once, in order.

namespace kv884 {

class ProgressMeter;
class RegisterWriter;
class SetCopy;
struct ChainOrder;
struct RegisterSource;
struct RegisterWalk;

// copy: of the detail index and holder data files, the detail index file copied whole by the
// pass that learned order, the holder data file not yet. Writes the rows of order with writer as
// walkRegister does, up to a detail record that names no holder data record (its message in
// walk). False, with nothing written, where the copy or the temporary file failed before every row
// was made: the caller then walks the order as from any medium.
bool walkFromCopy(SetCopy& copy, const RegisterSource& source, const ChainOrder& order,
                  RegisterWriter& writer, ProgressMeter& progress, RegisterWalk& walk);

}  // namespace kv884
