# The fixtures every test here uses: the program in a temporary folder, and a local web site.
from vindrel_driver import site, vindrel  # noqa: F401
