/* A Windows program: prints what the system's private-profile reader gives for the address of
 * each shortcut file FOLDER\000.url ... FOLDER\<COUNT-1>.url, called as the favourites scan calls
 * it, then through the wide call for the text behind the code page's bytes.
 *
 *   ProfileProbe.exe FOLDER COUNT
 *
 * Output: "ACP <code page>", then per file "<index> A <n> <hex bytes> W <n> <hex UTF-16 units>". */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { kBufferSize = 2048 };

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    printf("ACP %u\n", GetACP());
    const int count = atoi(argv[2]);
    for (int i = 0; i < count; ++i) {
        char path[MAX_PATH];
        WCHAR widePath[MAX_PATH];
        static char buffer[kBufferSize];
        static WCHAR wide[kBufferSize];
        snprintf(path, sizeof path, "%s\\%03d.url", argv[1], i);
        MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH);

        memset(buffer, ' ', sizeof buffer);
        const DWORD n = GetPrivateProfileStringA("InternetShortcut", "URL", "", buffer, kBufferSize, path);
        printf("%03d A %lu ", i, (unsigned long)n);
        for (DWORD k = 0; k < n; ++k)
            printf("%02X", (unsigned char)buffer[k]);

        const DWORD w = GetPrivateProfileStringW(L"InternetShortcut", L"URL", L"", wide, kBufferSize, widePath);
        printf(" W %lu ", (unsigned long)w);
        for (DWORD k = 0; k < w; ++k)
            printf("%04X", (unsigned)wide[k]);
        printf("\n");
    }
    return 0;
}
