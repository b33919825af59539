#include "Pilote.h"

#include <tlhelp32.h>
#include <wincodec.h>

#include <algorithm>
#include <wrl/client.h>

#include "app/Cfg.h"
#include "tests/Pixel.h"

namespace pilote {

std::wstring DossierDesTests() {
  wchar_t chemin[MAX_PATH];
  GetModuleFileNameW(nullptr, chemin, MAX_PATH);
  std::wstring dossier = chemin;
  return dossier.substr(0, dossier.find_last_of(L'\\'));
}

namespace {

struct Recherche {
  const wchar_t* classe;
  DWORD pid;
  bool visible;
  std::vector<HWND> trouvees;
};

BOOL CALLBACK Enumerer(HWND h, LPARAM l) {
  auto& r = *reinterpret_cast<Recherche*>(l);
  wchar_t classe[64];
  GetClassNameW(h, classe, 64);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (wcscmp(classe, r.classe) == 0 && (!r.pid || pid == r.pid) && (!r.visible || IsWindowVisible(h)))
    r.trouvees.push_back(h);
  return TRUE;
}

}  // namespace

std::wstring Copie(const std::wstring& nomFichier, const std::wstring& sousDossier) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring dossier = std::wstring(temp) + L"quorvane-e2e";
  CreateDirectoryW(dossier.c_str(), nullptr);
  for (size_t debut = 0; debut < sousDossier.size();) {
    const size_t fin = std::min(sousDossier.find(L'\\', debut), sousDossier.size());
    dossier += L"\\" + sousDossier.substr(debut, fin - debut);
    CreateDirectoryW(dossier.c_str(), nullptr);
    debut = fin + 1;
  }
  const std::wstring cible = dossier + L"\\" + nomFichier;
  CopyFileW((DossierDesTests() + L"\\Quorvane.exe").c_str(), cible.c_str(), FALSE);
  return cible;
}

void VersionWindows(const std::wstring& nomFichier, const wchar_t* version) {
  const std::wstring cle = L"Software\\Wine\\AppDefaults\\" + nomFichier;
  HKEY h;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, cle.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExW(h, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                 static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
  RegCloseKey(h);
}

void DesactiverDll(const std::wstring& nomFichier, const wchar_t* dll) {
  const std::wstring cle = L"Software\\Wine\\AppDefaults\\" + nomFichier + L"\\DllOverrides";
  HKEY h;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, cle.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExW(h, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));  // "": disabled
  RegCloseKey(h);
}

Processus::Processus(const std::wstring& exe, int affichage, const std::vector<std::wstring>& environnement,
                     const std::wstring& arguments, HANDLE sortie, HANDLE erreurs, bool detache) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW | (sortie || detache ? STARTF_USESTDHANDLES : 0);
  si.wShowWindow = static_cast<WORD>(affichage);
  si.hStdOutput = sortie;
  si.hStdError = erreurs;
  // The parent's environment plus the extra variables, as one double-zero-terminated block.
  std::wstring bloc;
  if (wchar_t* env = GetEnvironmentStringsW()) {
    for (const wchar_t* v = env; *v; v += wcslen(v) + 1) bloc.append(v).push_back(L'\0');
    FreeEnvironmentStringsW(env);
  }
  for (const auto& v : environnement) bloc.append(v).push_back(L'\0');
  bloc.push_back(L'\0');
  std::wstring ligne = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  PROCESS_INFORMATION pi{};
  if (CreateProcessW(exe.c_str(), ligne.data(), nullptr, nullptr, sortie != nullptr,
                     CREATE_UNICODE_ENVIRONMENT | (detache ? DETACHED_PROCESS : 0), bloc.data(), nullptr, &si, &pi)) {
    CloseHandle(pi.hThread);
    process_ = base::Handle(pi.hProcess);
    pid_ = pi.dwProcessId;
  }
}

Processus::~Processus() {
  if (!process_ || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0) return;
  if (HWND fiche = Fenetre(L"TFichePrinc", 0, false)) PostMessageW(fiche, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 1);
}

void Processus::Suspendre(bool suspendre) const {
  base::Handle instantane(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 t{};
  t.dwSize = sizeof t;
  for (BOOL ok = Thread32First(instantane.get(), &t); ok; ok = Thread32Next(instantane.get(), &t)) {
    if (t.th32OwnerProcessID != pid_) continue;
    base::Handle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, t.th32ThreadID));
    if (suspendre)
      SuspendThread(thread.get());
    else
      ResumeThread(thread.get());
  }
}

long Processus::AttendreFin(DWORD ms) {
  if (!process_ || WaitForSingleObject(process_.get(), ms) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return static_cast<long>(code);
}

HWND Processus::Fenetre(const wchar_t* classe, DWORD ms, bool visible) const {
  HWND trouvee = nullptr;
  Attendre(
      [&] {
        Recherche r{classe, pid_, visible, {}};
        EnumWindows(Enumerer, reinterpret_cast<LPARAM>(&r));
        trouvee = r.trouvees.empty() ? nullptr : r.trouvees.front();
        return trouvee != nullptr;
      },
      ms);
  return trouvee;
}

HWND Processus::Dialogue(const wchar_t* titre, DWORD ms) const {
  HWND trouvee = nullptr;
  Attendre(
      [&] {
        Recherche r{L"#32770", pid_, true, {}};
        EnumWindows(Enumerer, reinterpret_cast<LPARAM>(&r));
        for (HWND h : r.trouvees)
          if (Texte(h) == titre) trouvee = h;
        return trouvee != nullptr;
      },
      ms);
  return trouvee;
}

std::vector<HWND> Fenetres(const wchar_t* classe) {
  Recherche r{classe, 0, false, {}};
  EnumWindows(Enumerer, reinterpret_cast<LPARAM>(&r));
  return r.trouvees;
}

HWND Controle(HWND fiche, const char* nom) { return Controle(fiche, appli::kFormeFichePrinc, nom); }

HWND Controle(HWND fenetre, const ui::FormDesc& forme, const char* nom) {
  struct Cible {
    int id;
    HWND trouve;
  } cible{ui::ControlId(forme, nom), nullptr};
  EnumChildWindows(
      fenetre,
      [](HWND h, LPARAM l) WINAPI -> BOOL {
        auto& c = *reinterpret_cast<Cible*>(l);
        if (GetDlgCtrlID(h) != c.id) return TRUE;
        c.trouve = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&cible));
  return cible.trouve;
}

std::wstring Texte(HWND fenetre) {
  // WM_GETTEXT is copied across processes by the system; the length first, so nothing is cut.
  const auto n = static_cast<size_t>(SendMessageW(fenetre, WM_GETTEXTLENGTH, 0, 0));
  std::wstring texte(n + 1, L'\0');
  texte.resize(static_cast<size_t>(SendMessageW(fenetre, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(texte.data()))));
  return texte;
}

namespace {

// Runs `f(distant)` with a buffer of `taille` bytes in the memory of the window's process.
template <class F>
void AvecMemoireDistante(HWND fenetre, size_t taille, F f) {
  DWORD pid = 0;
  GetWindowThreadProcessId(fenetre, &pid);
  base::Handle autre(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!autre) return;
  void* distant = VirtualAllocEx(autre.get(), nullptr, taille, MEM_COMMIT, PAGE_READWRITE);
  if (!distant) return;
  f(autre.get(), static_cast<BYTE*>(distant));
  VirtualFreeEx(autre.get(), distant, 0, MEM_RELEASE);
}

}  // namespace

RECT RectOnglet(HWND onglets, int index) {
  RECT r{};
  AvecMemoireDistante(onglets, sizeof r, [&](HANDLE processus, BYTE* distant) {
    SendMessageW(onglets, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(distant));
    ReadProcessMemory(processus, distant, &r, sizeof r, nullptr);
  });
  return r;
}

void CliquerOnglet(HWND onglets, int index) {
  const RECT r = RectOnglet(onglets, index);
  const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageW(onglets, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(onglets, WM_LBUTTONUP, 0, point);
  Attendre([&] { return SendMessageW(onglets, TCM_GETCURSEL, 0, 0) == index; }, 5000);
  Sleep(200);  // let the page repaint
}

COLORREF Pixel(HWND fenetre, int x, int y) { return PixelEcran(fenetre, x, y); }

void Touches(const std::vector<WORD>& touches) {
  std::vector<INPUT> entrees;
  auto ajouter = [&](WORD touche, DWORD drapeaux) {
    INPUT e{};
    e.type = INPUT_KEYBOARD;
    e.ki.wVk = touche;
    e.ki.wScan = static_cast<WORD>(MapVirtualKeyW(touche, MAPVK_VK_TO_VSC));
    // The page keys and arrows of the navigation block, not those of the numeric keypad.
    const bool etendue = touche == VK_PRIOR || touche == VK_NEXT || (touche >= VK_LEFT && touche <= VK_DOWN);
    e.ki.dwFlags = drapeaux | (etendue ? KEYEVENTF_EXTENDEDKEY : 0);
    entrees.push_back(e);
  };
  for (WORD t : touches) ajouter(t, 0);
  for (auto it = touches.rbegin(); it != touches.rend(); ++it) ajouter(*it, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(entrees.size()), entrees.data(), sizeof(INPUT));
}

HWND Focus(HWND fenetre) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(fenetre, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

namespace {
// The screen's pixels in a rectangle of screen coordinates, top row first, 32-bit BGR.
std::vector<DWORD> Ecran(const RECT& r) {
  const int l = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof bi.bmiHeader, l, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  ui::GdiObject<HBITMAP> image(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  HDC ecran = GetDC(nullptr);
  HDC memoire = CreateCompatibleDC(ecran);
  {
    ui::SelectedObject sel(memoire, image.get());
    BitBlt(memoire, 0, 0, l, h, ecran, r.left, r.top, SRCCOPY);
  }
  DeleteDC(memoire);
  ReleaseDC(nullptr, ecran);
  GdiFlush();
  const auto* p = static_cast<const DWORD*>(bits);
  return std::vector<DWORD>(p, p + static_cast<size_t>(l) * static_cast<size_t>(h));
}
}  // namespace

std::vector<DWORD> Pixels(HWND fenetre, const RECT& zone) {
  POINT origine{zone.left, zone.top};
  ClientToScreen(fenetre, &origine);
  return Ecran(RECT{origine.x, origine.y, origine.x + zone.right - zone.left, origine.y + zone.bottom - zone.top});
}

bool Capturer(HWND fenetre, const std::wstring& fichierPng) {
  using Microsoft::WRL::ComPtr;
  RECT r;
  GetWindowRect(fenetre, &r);
  const int l = r.right - r.left, h = r.bottom - r.top;
  std::vector<DWORD> bits = Ecran(r);

  ComPtr<IWICImagingFactory> fabrique;
  ComPtr<IWICStream> flux;
  ComPtr<IWICBitmapEncoder> encodeur;
  ComPtr<IWICBitmapFrameEncode> trame;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&fabrique))) &&
         SUCCEEDED(fabrique->CreateStream(&flux)) &&
         SUCCEEDED(flux->InitializeFromFilename(fichierPng.c_str(), GENERIC_WRITE)) &&
         SUCCEEDED(fabrique->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encodeur)) &&
         SUCCEEDED(encodeur->Initialize(flux.Get(), WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encodeur->CreateNewFrame(&trame, nullptr)) && SUCCEEDED(trame->Initialize(nullptr)) &&
         SUCCEEDED(trame->SetSize(static_cast<UINT>(l), static_cast<UINT>(h))) &&
         SUCCEEDED(trame->SetPixelFormat(&format)) &&
         SUCCEEDED(trame->WritePixels(static_cast<UINT>(h), static_cast<UINT>(l) * 4, static_cast<UINT>(l * h * 4),
                                      reinterpret_cast<BYTE*>(bits.data()))) &&
         SUCCEEDED(trame->Commit()) && SUCCEEDED(encodeur->Commit());
}

}  // namespace pilote
