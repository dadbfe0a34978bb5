// _bidgauge_rows: the row dicts of bidgauge.evaluate_many, built in C. Pure
// Python spends most of evaluate_many's time building them; here each row is
// a copy of a prepared dict, with the values rows share made once.
//
// Built against the stable ABI, so that one build loads in any Python 3
// from 3.8 on, whichever python3 the build found.
#define PY_SSIZE_T_CLEAN
#define Py_LIMITED_API 0x03080000
#include <Python.h>

#include <array>
#include <cstring>

#include "bidgauge/bidgauge.h"

namespace {

// The keys of a row, in the order of a batch JSONL row (line for source).
enum Key {
  kBoard,
  kSeat,
  kHand,
  kKnr,
  kKnrOpens,
  kZar,
  kZarOpens,
  kKleinman,
  kKleinmanQuality,
  kKleinmanOpens,
  kHonorTricks,
  kHonorTricksOpens,
  kHcp,
  kLine,
  kKeyCount
};
constexpr std::array<const char*, kKeyCount> kKeyNames = {"board",
                                                          "seat",
                                                          "hand",
                                                          "knr",
                                                          "knr_opens",
                                                          "zar",
                                                          "zar_opens",
                                                          "kleinman",
                                                          "kleinman_quality",
                                                          "kleinman_opens",
                                                          "honor_tricks",
                                                          "honor_tricks_opens",
                                                          "hcp",
                                                          "line"};

constexpr std::array<const char*, 3> kQualityNames = {"bad", "ordinary", "good"};  // -1, 0, +1
constexpr std::array<const char*, 4> kSeatNames = {"N", "E", "S", "W"};
constexpr int kHonorTrickHalves = 64;  // more than a hand can hold
// KnR values met in practice, in hundredths, kept as float objects once made.
constexpr int kLowestCachedKnr = -1000;
constexpr int kHighestCachedKnr = 4000;
constexpr int kCachedKnrCount = kHighestCachedKnr - kLowestCachedKnr + 1;

// A row's four "opens" flags and its Kleinman quality, which pick the
// prepared dict it is copied from: fewer values to set per row.
constexpr std::array<Key, 4> kFlagKeys = {kKnrOpens, kZarOpens, kKleinmanOpens, kHonorTricksOpens};
constexpr int kKinds = (1 << kFlagKeys.size()) * static_cast<int>(kQualityNames.size());

int kind_of(const bidgauge_valuation& v) {
  const int flags = (v.knr_opens != 0) | (v.zar_opens != 0) << 1 | (v.kleinman_opens != 0) << 2 |
                    (v.honor_tricks_opens != 0) << 3;
  return flags | (v.kleinman_quality + 1) << kFlagKeys.size();
}

// The module's objects; zeroed by Python before the module runs.
struct State {
  std::array<PyObject*, kKeyCount> keys;
  std::array<PyObject*, kKinds> kinds;  // each key, None but for the kind's values
  std::array<PyObject*, kQualityNames.size()> qualities;
  std::array<PyObject*, kSeatNames.size()> seats;
  std::array<PyObject*, kHonorTrickHalves> honor_tricks;  // 2 and 2.5, as JSON reads them back
  std::array<PyObject*, kCachedKnrCount> knr;             // made when first met
};

State& state_of(PyObject* module) {
  return *static_cast<State*>(PyModule_GetState(module));
}

template <std::size_t N>
void clear_all(std::array<PyObject*, N>& objects) {
  for (PyObject*& object : objects) Py_CLEAR(object);
}

int clear_state(PyObject* module) {
  State& state = state_of(module);
  clear_all(state.keys);
  clear_all(state.kinds);
  clear_all(state.qualities);
  clear_all(state.seats);
  clear_all(state.honor_tricks);
  clear_all(state.knr);
  return 0;
}

void free_state(void* module) {
  clear_state(static_cast<PyObject*>(module));
}

template <std::size_t N>
bool intern_all(std::array<PyObject*, N>& objects, const std::array<const char*, N>& names) {
  for (std::size_t i = 0; i < N; ++i) {
    objects[i] = PyUnicode_InternFromString(names[i]);
    if (objects[i] == nullptr) return false;
  }
  return true;
}

PyObject* honor_tricks_of(int halves) {
  return halves % 2 == 0 ? PyLong_FromLong(halves / 2) : PyFloat_FromDouble(halves / 2.0);
}

// A dict of every key, with None. It is the attributes of an instance, whose
// dicts share one table of keys where the interpreter does so: such a dict
// and its copies hold their values alone, a third less memory per row (a
// million rows spend much of their time on fresh memory). Elsewhere it is an
// ordinary dict, as good if larger.
PyObject* keys_with_none(const std::array<PyObject*, kKeyCount>& keys) {
  PyObject* type =
      PyObject_CallFunction(reinterpret_cast<PyObject*>(&PyType_Type), "s()N", "row", PyDict_New());
  if (type == nullptr) return nullptr;
  PyObject* instance = PyObject_CallObject(type, nullptr);
  Py_DECREF(type);
  if (instance == nullptr) return nullptr;
  bool set = true;
  for (PyObject* key : keys) set = set && PyObject_SetAttr(instance, key, Py_None) == 0;
  PyObject* attributes = set ? PyObject_GetAttrString(instance, "__dict__") : nullptr;
  Py_DECREF(instance);
  if (attributes != nullptr && !PyDict_CheckExact(attributes)) {
    Py_CLEAR(attributes);
    PyErr_SetString(PyExc_TypeError, "an instance's attributes are no dict");
  }
  return attributes;
}

bool make_kinds(State& state) {
  PyObject* none = keys_with_none(state.keys);
  if (none == nullptr) return false;
  bool made = true;
  for (int kind = 0; made && kind < kKinds; ++kind) {
    PyObject* dict = PyDict_Copy(none);
    state.kinds[kind] = dict;
    made = dict != nullptr;
    for (std::size_t flag = 0; made && flag < kFlagKeys.size(); ++flag) {
      PyObject* value = (kind >> flag & 1) != 0 ? Py_True : Py_False;
      made = PyDict_SetItem(dict, state.keys[kFlagKeys[flag]], value) == 0;
    }
    PyObject* quality = state.qualities[kind >> kFlagKeys.size()];
    made = made && PyDict_SetItem(dict, state.keys[kKleinmanQuality], quality) == 0;
  }
  Py_DECREF(none);
  return made;
}

int init_state(PyObject* module) {
  State& state = state_of(module);
  if (!intern_all(state.keys, kKeyNames) || !intern_all(state.qualities, kQualityNames) ||
      !intern_all(state.seats, kSeatNames)) {
    return -1;
  }
  for (int halves = 0; halves < kHonorTrickHalves; ++halves) {
    state.honor_tricks[halves] = honor_tricks_of(halves);
    if (state.honor_tricks[halves] == nullptr) return -1;
  }
  if (!make_kinds(state)) return -1;
  return PyModule_AddIntConstant(module, "ROW_SIZE", sizeof(bidgauge_row));
}

// A new reference to the float of `hundredths` / 100, shared when in the cache.
PyObject* knr_of(State& state, int32_t hundredths) {
  if (hundredths < kLowestCachedKnr || hundredths > kHighestCachedKnr) {
    return PyFloat_FromDouble(hundredths / 100.0);
  }
  PyObject*& cached = state.knr[hundredths - kLowestCachedKnr];
  if (cached == nullptr) cached = PyFloat_FromDouble(hundredths / 100.0);
  Py_XINCREF(cached);
  return cached;
}

// Sets row[key] to `value`, a new reference it takes; false with the error
// set when `value` is NULL or setting fails.
bool put(PyObject* row, PyObject* key, PyObject* value) {
  if (value == nullptr) return false;
  const int status = PyDict_SetItem(row, key, value);
  Py_DECREF(value);
  return status == 0;
}

// Sets row[key] to `value`, a reference the state keeps.
bool share(PyObject* row, PyObject* key, PyObject* value) {
  return PyDict_SetItem(row, key, value) == 0;
}

// The seat's text, or NULL for a hand given alone.
PyObject* seat_of(const State& state, char seat) {
  for (std::size_t i = 0; i < kSeatNames.size(); ++i) {
    if (seat == kSeatNames[i][0]) return state.seats[i];
  }
  return nullptr;
}

bool in_range(const bidgauge_valuation& valuation) {
  return valuation.kleinman_quality >= -1 && valuation.kleinman_quality <= 1 &&
         valuation.honor_trick_halves >= 0 && valuation.honor_trick_halves < kHonorTrickHalves;
}

// The values its kind does not give, None and the flags aside.
bool put_values(State& state, PyObject* dict, const bidgauge_row& row) {
  const auto& k = state.keys;
  const bidgauge_valuation& v = row.valuation;
  PyObject* seat = seat_of(state, row.seat);
  const auto hand_length = static_cast<Py_ssize_t>(strnlen(row.hand_text, sizeof row.hand_text));
  return (row.board < 0 || put(dict, k[kBoard], PyLong_FromLongLong(row.board))) &&
         (seat == nullptr || share(dict, k[kSeat], seat)) &&
         put(dict, k[kHand], PyUnicode_DecodeASCII(row.hand_text, hand_length, nullptr)) &&
         put(dict, k[kKnr], knr_of(state, v.knr_hundredths)) &&
         put(dict, k[kZar], PyLong_FromLong(v.zar_points)) &&
         put(dict, k[kKleinman], PyLong_FromLong(v.kleinman_points)) &&
         share(dict, k[kHonorTricks], state.honor_tricks[v.honor_trick_halves]) &&
         put(dict, k[kHcp], PyLong_FromLong(v.high_card_points)) &&
         put(dict, k[kLine], PyLong_FromLongLong(row.line));
}

// A new dict of the row, or NULL with the error set.
PyObject* row_dict(State& state, const bidgauge_row& row) {
  if (!in_range(row.valuation)) {
    PyErr_SetString(PyExc_ValueError, "a row holds a value out of range");
    return nullptr;
  }
  PyObject* dict = PyDict_Copy(state.kinds[kind_of(row.valuation)]);
  if (dict != nullptr && !put_values(state, dict, row)) Py_CLEAR(dict);
  return dict;
}

// extend(rows, block): appends the dicts of the rows packed in `block` (bytes,
// one bidgauge_row after another) to the list `rows`.
PyObject* extend(PyObject* module, PyObject* args) {
  PyObject* list = nullptr;
  PyObject* block = nullptr;
  if (!PyArg_ParseTuple(args, "O!O!:extend", &PyList_Type, &list, &PyBytes_Type, &block)) {
    return nullptr;
  }
  if (PyBytes_Size(block) % sizeof(bidgauge_row) != 0) {
    PyErr_SetString(PyExc_ValueError, "extend() takes bytes of whole rows");
    return nullptr;
  }
  State& state = state_of(module);
  const char* data = PyBytes_AsString(block);
  const Py_ssize_t count = PyBytes_Size(block) / static_cast<Py_ssize_t>(sizeof(bidgauge_row));
  for (Py_ssize_t i = 0; i < count; ++i) {
    bidgauge_row row;  // the bytes need not be aligned
    std::memcpy(&row, data + i * static_cast<Py_ssize_t>(sizeof row), sizeof row);
    PyObject* dict = row_dict(state, row);
    if (dict == nullptr) return nullptr;
    const int status = PyList_Append(list, dict);
    Py_DECREF(dict);
    if (status != 0) return nullptr;
  }
  Py_RETURN_NONE;
}

int traverse_state(PyObject* module, visitproc visit, void* arg) {
  for (PyObject* kind : state_of(module).kinds) Py_VISIT(kind);
  return 0;
}

// The interpreter's tables of the module, which it writes to, so not const.
PyMethodDef methods[] = {
    {"extend", extend, METH_VARARGS,
     "extend(rows, block): appends to the list `rows` the dicts of the rows packed in the "
     "bytes `block`, one bidgauge_row after another, as evaluate_many gives them."},
    {nullptr, nullptr, 0, nullptr}};

PyModuleDef_Slot slots[] = {{Py_mod_exec, reinterpret_cast<void*>(init_state)}, {0, nullptr}};

PyModuleDef module_def = {
    PyModuleDef_HEAD_INIT, "_bidgauge_rows", "The row dicts of bidgauge.evaluate_many, built in C.",
    sizeof(State),         methods,          slots,
    traverse_state,        clear_state,      free_state};

}  // namespace

// The name Python looks for: PyInit_ and the module's.
PyMODINIT_FUNC PyInit__bidgauge_rows() {  // NOLINT(bugprone-reserved-identifier)
  return PyModuleDef_Init(&module_def);
}
