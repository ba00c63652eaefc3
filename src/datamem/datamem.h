// Image of the 256-byte data memory: which bytes are reserved, initialised, and with what.
#ifndef TEVLIN_DATAMEM_DATAMEM_H_
#define TEVLIN_DATAMEM_DATAMEM_H_

#include "global.h"

enum DataState : unsigned char { DATA_UNDEFINED = 0, DATA_RESERVED = 1, DATA_INITIALIZED = 2 };

// name                                     start value  meaning
extern unsigned char data_init_array[kDataBytes];  // 0s  DataState of each byte
extern unsigned char data_mem_array[kDataBytes];   // 0s  initial value of each byte
extern unsigned char data_list_array[kDataBytes];  // 0s  values of the current .DB line
extern unsigned int dlist_indx;                    // 0   count of values in data_list_array

/// Marks start_addr .. start_addr+num_of_slots-1 as DATA_RESERVED (data_array unchanged).
void Reserve_memory_without_init(unsigned char* data_array, int start_addr, int num_of_slots);

/// Marks the next dlist_index bytes from start_addr DATA_INITIALIZED with the listed values.
void Reserve_memory_with_init(unsigned char* mem_array, int start_addr,
                              const unsigned char* list_array, unsigned int dlist_index);

/// Returns the number of addresses in state DATA_INITIALIZED.
int How_many_mem_locs_need_initializing();

/// Clears the four variables above.
void Reset_datamem();

#endif  // TEVLIN_DATAMEM_DATAMEM_H_
