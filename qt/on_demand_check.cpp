// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/on_demand_check.h"

#include "qt/on_demand/on_demand_api.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <elf.h>
#include <optional>
#include <string_view>

namespace ambrel {

namespace {

// The module is a few hundred kilobytes; anything this large is not ours.
constexpr qint64 kLargestModule = qint64(64) << 20;

// The running program's own ELF identity, which the module must share.
struct Identity {
    unsigned char elfClass = 0;
    unsigned char byteOrder = 0;
    unsigned machine = 0;
};

std::optional<Identity> identityOf(const QByteArray& bytes)
{
    if (bytes.size() < EI_NIDENT + 4 || std::memcmp(bytes.constData(), ELFMAG, SELFMAG) != 0)
        return std::nullopt;
    const auto* ident = reinterpret_cast<const unsigned char*>(bytes.constData());
    // e_type and e_machine follow e_ident in both classes.
    Elf32_Half machine = 0;
    std::memcpy(&machine, bytes.constData() + EI_NIDENT + 2, sizeof machine);
    return Identity{ident[EI_CLASS], ident[EI_DATA], machine};
}

const std::optional<Identity>& programIdentity()
{
    static const std::optional<Identity> identity = [] {
        QFile self(QStringLiteral("/proc/self/exe"));
        return self.open(QIODevice::ReadOnly) ? identityOf(self.read(64)) : std::nullopt;
    }();
    return identity;
}

// Copies a T from `bytes` at `offset`, if it lies wholly inside.
template <class T>
std::optional<T> at(const QByteArray& bytes, quint64 offset)
{
    if (offset > quint64(bytes.size()) || quint64(bytes.size()) - offset < sizeof(T))
        return std::nullopt;
    T value;
    std::memcpy(&value, bytes.constData() + offset, sizeof(T));
    return value;
}

bool inside(const QByteArray& bytes, quint64 offset, quint64 size)
{
    return offset <= quint64(bytes.size()) && size <= quint64(bytes.size()) - offset;
}

// Checks the headers of an ELF file of one class and reads the version text
// the module exports, by its dynamic symbol, from the file.
template <class Ehdr, class Phdr, class Shdr, class Sym>
QString check(const QByteArray& bytes, const char* expected)
{
    const auto header = at<Ehdr>(bytes, 0);
    if (!header)
        return QStringLiteral("it is cut short");
    if (header->e_type != ET_DYN)
        return QStringLiteral("it is not a shared library");
    // Every part the loader maps must be in the file: a mapped page past its
    // end faults when touched.
    if (header->e_phentsize != sizeof(Phdr) || !inside(bytes, header->e_phoff, quint64(header->e_phnum) * sizeof(Phdr)))
        return QStringLiteral("it is cut short or damaged (program headers)");
    for (unsigned i = 0; i < header->e_phnum; ++i) {
        const Phdr ph = *at<Phdr>(bytes, header->e_phoff + quint64(i) * sizeof(Phdr));
        if (ph.p_type == PT_LOAD && !inside(bytes, ph.p_offset, ph.p_filesz))
            return QStringLiteral("it is cut short (a loaded segment ends past the file)");
    }
    if (header->e_shentsize != sizeof(Shdr) || header->e_shnum == 0 ||
        !inside(bytes, header->e_shoff, quint64(header->e_shnum) * sizeof(Shdr)))
        return QStringLiteral("it is cut short or damaged (section headers)");
    const auto section = [&](quint64 i) { return *at<Shdr>(bytes, header->e_shoff + i * sizeof(Shdr)); };
    for (unsigned i = 0; i < header->e_shnum; ++i) {
        const Shdr sh = section(i);
        if (sh.sh_type != SHT_NOBITS && !inside(bytes, sh.sh_offset, sh.sh_size))
            return QStringLiteral("it is cut short (a section ends past the file)");
    }
    for (unsigned i = 0; i < header->e_shnum; ++i) {
        const Shdr symbols = section(i);
        if (symbols.sh_type != SHT_DYNSYM || symbols.sh_link >= header->e_shnum || symbols.sh_entsize != sizeof(Sym))
            continue;
        const Shdr names = section(symbols.sh_link);
        if (names.sh_type != SHT_STRTAB)
            continue;
        for (quint64 s = 0; s < symbols.sh_size / sizeof(Sym); ++s) {
            const Sym sym = *at<Sym>(bytes, symbols.sh_offset + s * sizeof(Sym));
            if (sym.st_name >= names.sh_size || sym.st_shndx == SHN_UNDEF || sym.st_shndx >= header->e_shnum)
                continue;
            const char* name = bytes.constData() + names.sh_offset + sym.st_name;
            if (std::string_view(name, qstrnlen(name, uint(names.sh_size - sym.st_name))) !=
                AMBREL_ON_DEMAND_VERSION_SYMBOL)
                continue;
            // The symbol's address, turned into a place in the file by its
            // section.
            const Shdr holder = section(sym.st_shndx);
            if (holder.sh_type == SHT_NOBITS || sym.st_value < holder.sh_addr ||
                sym.st_value - holder.sh_addr > holder.sh_size ||
                holder.sh_size - (sym.st_value - holder.sh_addr) < sym.st_size)
                return QStringLiteral("its version text is damaged");
            const quint64 offset = holder.sh_offset + (sym.st_value - holder.sh_addr);
            const QByteArray found = bytes.mid(qsizetype(offset), qsizetype(sym.st_size));
            const QByteArray text = found.left(found.indexOf('\0'));
            if (text != expected)
                return QStringLiteral("it is version \"%1\", not \"%2\"")
                    .arg(QString::fromLatin1(text.left(100)), QString::fromLatin1(expected));
            return {};
        }
    }
    return QStringLiteral("it names no version (%1)").arg(QLatin1String(AMBREL_ON_DEMAND_VERSION_SYMBOL));
}

}  // namespace

QString refuseOnDemandModule(const QString& path, const char* expected)
{
    const QString why = [&]() -> QString {
        const QFileInfo info(path);
        if (!info.isFile())
            return QStringLiteral("it is not a file");
        if (info.size() > kLargestModule)
            return QStringLiteral("it is too large (%1 bytes)").arg(info.size());
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("it cannot be read");
        const QByteArray bytes = file.read(kLargestModule);
        const std::optional<Identity> module = identityOf(bytes);
        if (!module)
            return QStringLiteral("it is not a shared library (no ELF header)");
        const std::optional<Identity>& program = programIdentity();
        if (program && (module->elfClass != program->elfClass || module->byteOrder != program->byteOrder))
            return QStringLiteral("it is built for another word size or byte order");
        if (program && module->machine != program->machine)
            return QStringLiteral("it is built for another processor");
        if (module->elfClass == ELFCLASS64)
            return check<Elf64_Ehdr, Elf64_Phdr, Elf64_Shdr, Elf64_Sym>(bytes, expected);
        if (module->elfClass == ELFCLASS32)
            return check<Elf32_Ehdr, Elf32_Phdr, Elf32_Shdr, Elf32_Sym>(bytes, expected);
        return QStringLiteral("it has an unknown ELF class");
    }();
    return why.isEmpty() ? why : QStringLiteral("%1 is refused: %2").arg(path, why);
}

}  // namespace ambrel
