// The built "qw32perfx.ocx" and "qw32reax.ocx", loaded as COM loads them:
// their class factory, the interfaces of an in-place control and the
// PROPERTYPUT of every published dispatch id. Windows builds only.
#include <gtest/gtest.h>

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
// clang-format on

#include <string>

namespace {

struct Module {
    const char* file;
    CLSID clsid;
    bool hasHandleWnd;
};

const Module kModules[] = {
    {"qw32perfx.ocx", {0x69DE8265, 0xE4C4, 0x11D4, {0x89, 0x5F, 0x00, 0xE0, 0x7D, 0x72, 0x46, 0xFD}}, true},
    {"qw32reax.ocx", {0xE94CC445, 0xDCE9, 0x11D4, {0x89, 0x5F, 0x00, 0xE0, 0x7D, 0x72, 0x46, 0xFD}}, false},
};

const DISPID kPublished[] = {2, 3, 4, 5, 6, 7, 8, 14, -518, -501, -512};

// GetProcAddress's type says nothing of the function's; the detour through
// a plain function pointer keeps the compiler's cast check quiet.
template <typename F>
F Entry(HMODULE library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

std::string ModulePath(const char* file) {
    std::string path = std::string("Z:") + QW_MODULES_DIR + "/" + file;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

HRESULT Put(IDispatch* dispatch, DISPID id, VARIANTARG value) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                            nullptr);
}

TEST(ActiveXModuleTest, EachModuleIsAnInPlaceControlThatTakesItsProperties) {
    for (const Module& module : kModules) {
        SCOPED_TRACE(module.file);
        HMODULE library = LoadLibraryA(ModulePath(module.file).c_str());
        ASSERT_TRUE(library) << ModulePath(module.file);
        for (const char* entry : {"DllRegisterServer", "DllUnregisterServer", "DllCanUnloadNow"}) {
            EXPECT_TRUE(GetProcAddress(library, entry)) << entry;
        }
        using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
        auto getClassObject = Entry<GetClassObject>(library, "DllGetClassObject");
        ASSERT_TRUE(getClassObject);
        IClassFactory* factory = nullptr;
        const CLSID other = kModules[&module == &kModules[0] ? 1 : 0].clsid;
        EXPECT_EQ(getClassObject(other, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
                  CLASS_E_CLASSNOTAVAILABLE);
        ASSERT_EQ(getClassObject(module.clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
        IOleObject* object = nullptr;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(&object)), S_OK);
        factory->Release();

        for (const IID* iid : {&IID_IOleInPlaceObject, &IID_IOleInPlaceActiveObject, &IID_IDispatch}) {
            IUnknown* found = nullptr;
            EXPECT_EQ(object->QueryInterface(*iid, reinterpret_cast<void**>(&found)), S_OK);
            if (found) found->Release();
        }
        CLSID told;
        EXPECT_EQ(object->GetUserClassID(&told), S_OK);
        EXPECT_TRUE(IsEqualCLSID(told, module.clsid));

        IDispatch* dispatch = nullptr;
        ASSERT_EQ(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
        VARIANTARG number;
        VariantInit(&number);
        number.vt = VT_I4;
        number.lVal = 0;
        for (DISPID id : kPublished) EXPECT_EQ(Put(dispatch, id, number), S_OK) << id;
        EXPECT_EQ(Put(dispatch, 15, number), module.hasHandleWnd ? S_OK : DISP_E_MEMBERNOTFOUND);
        EXPECT_EQ(Put(dispatch, 99, number), DISP_E_MEMBERNOTFOUND);

        // The value set is the value read.
        number.lVal = 1;
        EXPECT_EQ(Put(dispatch, 4, number), S_OK);
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        VARIANT read;
        VariantInit(&read);
        EXPECT_EQ(
            dispatch->Invoke(4, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &read, nullptr, nullptr),
            S_OK);
        EXPECT_EQ(read.vt, VT_I4);
        EXPECT_EQ(read.lVal, 1);

        wchar_t name[] = L"AxBorderStyle";
        LPOLESTR names[] = {name};
        DISPID id = 0;
        EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
        EXPECT_EQ(id, 4);
        dispatch->Release();

        object->Release();
        using CanUnloadNow = HRESULT(WINAPI*)();
        auto canUnload = Entry<CanUnloadNow>(library, "DllCanUnloadNow");
        ASSERT_TRUE(canUnload);
        EXPECT_EQ(canUnload(), S_OK);
        FreeLibrary(library);
    }
}

}  // namespace

#endif
