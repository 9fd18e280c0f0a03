// Files and file mappings of the SDL2 layer, on POSIX open and mmap.
//
// Implements: CreateFileA (reading an existing regular file), GetFileSize,
// CreateFileMappingA and MapViewOfFile (a read-only view of the whole file),
// UnmapViewOfFile, CloseHandle for files and mappings.
// Does not implement: writing, views of part of a file, named mappings, any
// other kind of kernel handle.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/platform/win32.h"

enum KernelObjectKind { kKernelFile, kKernelMapping };

// The record behind a file or mapping handle. A mapping keeps its own
// descriptor, so it outlives the file handle as under Win32.
struct KernelObject {
    KernelObjectKind kind;
    int fd;
    size_t size;  // mappings: the bytes every view covers
};

// Views are released by address alone, so the layer remembers their lengths.
struct MappedView {
    const void* address;
    size_t length;
    MappedView* next;
};

static MappedView* g_views = NULL;

static HANDLE NewKernelObject(KernelObjectKind kind, int fd, size_t size)
{
    KernelObject* object = (KernelObject*)malloc(sizeof(KernelObject));
    if (object == NULL) {
        return NULL;
    }
    object->kind = kind;
    object->fd = fd;
    object->size = size;
    return object;
}

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPSECURITY_ATTRIBUTES,
                   DWORD dwCreationDisposition, DWORD, HANDLE)
{
    if (lpFileName == NULL || dwDesiredAccess != GENERIC_READ ||
        dwCreationDisposition != OPEN_EXISTING) {
        return INVALID_HANDLE_VALUE;
    }
    // O_NONBLOCK keeps a FIFO from blocking the open; only regular files are
    // files here, as a directory or device is not one under Win32 either.
    int fd = open(lpFileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return INVALID_HANDLE_VALUE;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle = NewKernelObject(kKernelFile, fd, 0);
    if (handle == NULL) {
        close(fd);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh)
{
    KernelObject* file = (KernelObject*)hFile;
    struct stat info;
    if (file == NULL || hFile == INVALID_HANDLE_VALUE || file->kind != kKernelFile ||
        fstat(file->fd, &info) != 0) {
        return INVALID_FILE_SIZE;
    }
    uint64_t size = (uint64_t)info.st_size;
    if (lpFileSizeHigh != NULL) {
        *lpFileSizeHigh = (DWORD)(size >> 32);
    }
    return (DWORD)size;
}

HANDLE CreateFileMappingA(HANDLE hFile, LPSECURITY_ATTRIBUTES, DWORD flProtect,
                          DWORD dwMaximumSizeHigh, DWORD dwMaximumSizeLow, LPCSTR lpName)
{
    KernelObject* file = (KernelObject*)hFile;
    if (file == NULL || hFile == INVALID_HANDLE_VALUE || file->kind != kKernelFile ||
        flProtect != PAGE_READONLY || dwMaximumSizeHigh != 0 || dwMaximumSizeLow != 0 ||
        lpName != NULL) {
        return NULL;
    }
    struct stat info;
    // An empty file cannot be mapped, as under Win32.
    if (fstat(file->fd, &info) != 0 || info.st_size <= 0 ||
        (uint64_t)info.st_size > (uint64_t)SIZE_MAX) {
        return NULL;
    }
    int fd = dup(file->fd);
    if (fd < 0) {
        return NULL;
    }
    HANDLE handle = NewKernelObject(kKernelMapping, fd, (size_t)info.st_size);
    if (handle == NULL) {
        close(fd);
    }
    return handle;
}

LPVOID MapViewOfFile(HANDLE hFileMappingObject, DWORD dwDesiredAccess, DWORD dwFileOffsetHigh,
                     DWORD dwFileOffsetLow, SIZE_T dwNumberOfBytesToMap)
{
    KernelObject* mapping = (KernelObject*)hFileMappingObject;
    if (mapping == NULL || mapping->kind != kKernelMapping || dwDesiredAccess != FILE_MAP_READ ||
        dwFileOffsetHigh != 0 || dwFileOffsetLow != 0 || dwNumberOfBytesToMap != 0) {
        return NULL;
    }
    MappedView* view = (MappedView*)malloc(sizeof(MappedView));
    if (view == NULL) {
        return NULL;
    }
    // The whole view is read at once by every user, so the pages are brought
    // in with the mapping instead of one fault at a time.
    void* address = mmap(NULL, mapping->size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, mapping->fd, 0);
    if (address == MAP_FAILED) {
        free(view);
        return NULL;
    }
    view->address = address;
    view->length = mapping->size;
    view->next = g_views;
    g_views = view;
    return address;
}

BOOL UnmapViewOfFile(LPCVOID lpBaseAddress)
{
    for (MappedView** link = &g_views; *link != NULL; link = &(*link)->next) {
        MappedView* view = *link;
        if (view->address == lpBaseAddress) {
            munmap((void*)view->address, view->length);
            *link = view->next;
            free(view);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CloseHandle(HANDLE hObject)
{
    if (hObject == NULL || hObject == INVALID_HANDLE_VALUE) {
        return FALSE;
    }
    KernelObject* object = (KernelObject*)hObject;
    close(object->fd);
    free(object);
    return TRUE;
}
