// A stand-in for a sibling program: records the argument list it was started
// with, argv[0] included, in the file named by VN_STANDIN_OUT, each argument
// followed by a NUL byte. The file appears complete or not at all (it is
// written under another name and renamed).
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const char* out = std::getenv("VN_STANDIN_OUT");
    if (!out || !*out)
        return 0;
    const std::string tmp = std::string(out) + ".part";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f)
        return 1;
    for (int i = 0; i < argc; ++i) {
        std::string a = argv[i];
        std::fwrite(a.c_str(), 1, a.size() + 1, f);
    }
    if (std::fclose(f) != 0)
        return 1;
    return std::rename(tmp.c_str(), out) == 0 ? 0 : 1;
}
