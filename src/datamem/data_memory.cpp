// Image of the 256-byte data memory.
#include "datamem/data_memory.h"

namespace {

bool in_data_memory(long long addr) { return addr >= 0 && addr < kDataBytes; }

}  // namespace

void DataMemory::reserve(int start, int count) {
    for (long long addr = start; addr < static_cast<long long>(start) + count; addr++) {
        if (in_data_memory(addr)) states_[addr] = DATA_RESERVED;
    }
}

void DataMemory::initialise(int start, const uint8_t* values, unsigned int count) {
    for (unsigned int i = 0; i < count && i < kDataBytes; i++) {
        const long long addr = static_cast<long long>(start) + i;
        if (!in_data_memory(addr)) continue;
        states_[addr] = DATA_INITIALIZED;
        values_[addr] = values[i];
    }
}

int DataMemory::initialised_count() const {
    int count = 0;
    for (const DataState state : states_) {
        if (state == DATA_INITIALIZED) count++;
    }
    return count;
}
