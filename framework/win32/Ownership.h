#pragma once

#include "framework/win32/Win32.h"

#include <type_traits>
#include <utility>

// The sole owner of one system handle, which Close releases when the owner goes or takes
// another one.
template <class T, auto Close> class CUniqueHandle {
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(T value) : m_value(value) {}
    ~CUniqueHandle() { reset(); }
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_value(other.release()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;

    T get() const { return m_value; }
    explicit operator bool() const { return IsValid(m_value); }

    void reset(T value = T{}) {
        const T old = std::exchange(m_value, value);
        if (IsValid(old)) {
            Close(old);
        }
    }
    T release() { return std::exchange(m_value, T{}); }
    // Releases what is held and gives the place where a system call stores the new handle.
    T* put() {
        reset();
        return &m_value;
    }

private:
    // Kernel handles have two values for "none": null, and the INVALID_HANDLE_VALUE that
    // CreateFile and FindFirstFile give on failure.
    static bool IsValid(T value) {
        if constexpr (std::is_same_v<T, HANDLE>) {
            return value != nullptr && value != INVALID_HANDLE_VALUE;
        } else {
            return value != nullptr;
        }
    }

    T m_value{};
};

using CRegKeyHandle = CUniqueHandle<HKEY, &::RegCloseKey>;
using CKernelHandle = CUniqueHandle<HANDLE, &::CloseHandle>;
using CFindHandle = CUniqueHandle<HANDLE, &::FindClose>;
using CLocalMemory = CUniqueHandle<HLOCAL, &::LocalFree>;
using CBstr = CUniqueHandle<BSTR, &::SysFreeString>;

// One counted reference to a COM object, released when the owner goes or takes another one.
template <class T> class CComPointer {
public:
    CComPointer() = default;
    ~CComPointer() { reset(); }
    CComPointer(CComPointer&& other) noexcept : m_pointer(other.release()) {}
    CComPointer& operator=(CComPointer&& other) noexcept {
        if (this != &other) {
            reset();
            m_pointer = other.release();
        }
        return *this;
    }
    CComPointer(const CComPointer&) = delete;
    CComPointer& operator=(const CComPointer&) = delete;

    T* get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    void reset() {
        if (T* old = std::exchange(m_pointer, nullptr)) {
            old->Release();
        }
    }
    T* release() { return std::exchange(m_pointer, nullptr); }
    // Releases what is held and gives the place where a call stores the new reference.
    T** put() {
        reset();
        return &m_pointer;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

private:
    T* m_pointer = nullptr;
};

// A VARIANT that clears itself, releasing whatever it holds.
class CVariant {
public:
    ~CVariant() { VariantClear(&m_value); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;

    static CVariant FromBstr(CBstr text) {
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_BSTR;
        value.bstrVal = text.release();
        return CVariant(value);
    }
    static CVariant FromBool(VARIANT_BOOL flag) {
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_BOOL;
        value.boolVal = flag;
        return CVariant(value);
    }

    // A shallow copy for calls that take a VARIANT by value and do not keep it.
    const VARIANT& get() const { return m_value; }

private:
    explicit CVariant(const VARIANT& value) : m_value(value) {}

    VARIANT m_value;
};
