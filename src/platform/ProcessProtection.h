#pragma once

namespace vantorel {

// Keeps the process's memory, where a password is typed and handed to the secret store, out of
// core dumps and away from other processes of the same user that would attach with ptrace, as
// password managers do. Call first thing in main. Does nothing where the platform has no such
// switch.
void protectProcessMemory();

// Whether protectProcessMemory() is in effect for this process.
bool processMemoryProtected();

} // namespace vantorel
