// Image of the 256-byte data memory: which bytes are reserved or initialised, and with what.
#ifndef TEVLIN_DATAMEM_DATA_MEMORY_H_
#define TEVLIN_DATAMEM_DATA_MEMORY_H_

#include <array>
#include <cstdint>

#include "base/global.h"

enum DataState : unsigned char { DATA_UNDEFINED = 0, DATA_RESERVED = 1, DATA_INITIALIZED = 2 };

// The last directive to touch a byte decides its state; addresses outside data memory are
// ignored.
class DataMemory {
  public:
    /// Marks count bytes from start as reserved.
    void reserve(int start, int count);
    /// Marks count bytes from start as initialised with values[0], values[1], ...
    void initialise(int start, const uint8_t* values, unsigned int count);

    /// The number of initialised bytes.
    int initialised_count() const;
    DataState state(int address) const { return states_[address]; }
    uint8_t value(int address) const { return values_[address]; }

  private:
    std::array<DataState, kDataBytes> states_{};
    std::array<uint8_t, kDataBytes> values_{};
};

#endif  // TEVLIN_DATAMEM_DATA_MEMORY_H_
