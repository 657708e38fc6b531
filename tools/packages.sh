# Shared by the setup scripts: installs Debian packages that are not installed yet.
# Idempotent and non-interactive; runs apt through sudo when not already root.

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

# velorin_install_packages WHO PACKAGE...   (WHO names the script in its message)
velorin_install_packages()
{
    local who="$1" p
    shift
    local missing=()

    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done

    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi

    echo "$who: installing ${missing[*]}"
    if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
        $sudo apt-get update
        $sudo apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}
