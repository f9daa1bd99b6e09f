// Faults of the system that a test can arm for the next matching call: the linker routes the
// program's own read() and mmap() through here (--wrap), and the program's operator new is
// this file's, so the writer meets a real failure from the call it makes, without any switch
// in the product.
#pragma once

#include <cstddef>

// The nth read() asking for exactly nBytes (counting from 1) fails with nError.
void FailReadOfSize(std::size_t nBytes, int nNth, int nError);
// The next anonymous mmap() of exactly nBytes fails with ENOMEM.
void FailMapOfSize(std::size_t nBytes);
// The next operator new on the calling thread throws std::bad_alloc, as when memory runs out.
void FailNextAllocationOfThisThread();
// Disarms them all.
void ClearSystemFaults();
