# Keyloom's own version information, the one place these values are written. The POSIX build
# turns them into the version block of the executable (VersionBlock.cmake); a Windows build
# makes its VERSIONINFO resource from the same variables.
#
# Values are UTF-8 text and may not contain ";" (CMake's list separator).

set(KEYLOOM_VERSION_FILE_VERSION "1.0.0.1")
set(KEYLOOM_VERSION_FILE_DESCRIPTION "Random password generator with secure hashes")
set(KEYLOOM_VERSION_COMPANY_NAME "Keyloom")
set(KEYLOOM_VERSION_COMMENTS "Passwords, a GUID and their hashes, fresh on every run")
set(KEYLOOM_VERSION_LEGAL_COPYRIGHT "© 2023 Keyloom")
set(KEYLOOM_VERSION_PRODUCT_NAME "Keyloom")
set(KEYLOOM_VERSION_ORIGINAL_FILENAME "keyloom")

# The one translation: language 0409 (U.S. English) and code page 04B0 (Unicode), each as
# four hexadecimal digits, as a VERSIONINFO block names its string table.
set(KEYLOOM_VERSION_LANGUAGE "0409")
set(KEYLOOM_VERSION_CODE_PAGE "04B0")
