// Image of the 256-byte data memory; the last directive to touch a byte decides its state.
#include "datamem/datamem.h"

#include <cstring>

unsigned char data_init_array[kDataBytes];
unsigned char data_mem_array[kDataBytes];
unsigned char data_list_array[kDataBytes];
unsigned int dlist_indx = 0;

namespace {

bool in_data_memory(long long addr) { return addr >= 0 && addr < kDataBytes; }

}  // namespace

void Reserve_memory_without_init(unsigned char* /*data_array*/, int start_addr, int num_of_slots) {
    for (long long addr = start_addr; addr < static_cast<long long>(start_addr) + num_of_slots;
         addr++) {
        if (in_data_memory(addr)) data_init_array[addr] = DATA_RESERVED;
    }
}

void Reserve_memory_with_init(unsigned char* mem_array, int start_addr,
                              const unsigned char* list_array, unsigned int dlist_index) {
    for (unsigned int i = 0; i < dlist_index && i < kDataBytes; i++) {
        const long long addr = static_cast<long long>(start_addr) + i;
        if (!in_data_memory(addr)) continue;
        data_init_array[addr] = DATA_INITIALIZED;
        mem_array[addr] = list_array[i];
    }
}

int How_many_mem_locs_need_initializing() {
    int count = 0;
    for (unsigned char state : data_init_array) {
        if (state == DATA_INITIALIZED) count++;
    }
    return count;
}

void Reset_datamem() {
    std::memset(data_init_array, 0, sizeof data_init_array);
    std::memset(data_mem_array, 0, sizeof data_mem_array);
    std::memset(data_list_array, 0, sizeof data_list_array);
    dlist_indx = 0;
}
